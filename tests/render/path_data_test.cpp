#include "render/path_data.h"

#include <gtest/gtest.h>

#include <cmath>

namespace notch {
namespace {

TEST(PathBoundsTest, CurvesCountWhereTheyTurnNotAtTheirControlPoints) {
  PathData arch;
  arch.start = {0, 10};
  arch.QuadTo({5, 0}, {10, 10});  // the top of the curve is at y = 5
  PathData dot;
  dot.start = {20, 20};
  const std::vector<PathData> figures = {arch, dot};
  EXPECT_EQ(PathBounds(figures), (RectF{0, 5, 20, 20}));
  EXPECT_EQ(PathBounds({}), (RectF{}));
}

TEST(ArcAsCubicsTest, AQuarterTurnIsOneCubicOnTheCircle) {
  // The pill's top-right corner: clockwise around (90, 10).
  const auto cubics = ArcAsCubics({90, 0}, 10.0f, {100, 10});
  ASSERT_EQ(cubics.size(), 1u);
  const float k = 10.0f * 0.5522848f;
  EXPECT_NEAR(cubics[0].control1.x, 90 + k, 1e-3f);
  EXPECT_NEAR(cubics[0].control1.y, 0, 1e-3f);
  EXPECT_NEAR(cubics[0].control2.x, 100, 1e-3f);
  EXPECT_NEAR(cubics[0].control2.y, 10 - k, 1e-3f);
  EXPECT_EQ(cubics[0].end, (PointF{100, 10}));
}

TEST(ArcAsCubicsTest, AHalfTurnOfATooSmallRadiusIsTwoQuarters) {
  const auto cubics = ArcAsCubics({0, 0}, 1.0f, {20, 0});  // the radius grows to 10
  ASSERT_EQ(cubics.size(), 2u);
  EXPECT_NEAR(cubics[0].end.x, 10, 1e-3f);
  EXPECT_NEAR(cubics[0].end.y, -10, 1e-3f);  // clockwise on a y-down screen: over the top
  EXPECT_EQ(cubics[1].end, (PointF{20, 0}));
  EXPECT_TRUE(ArcAsCubics({5, 5}, 3.0f, {5, 5}).empty());
}

TEST(AsPolylineTest, CurvesBecomeLinesThroughPointsOnThem) {
  PathData figure;
  figure.start = {0, 10};
  figure.QuadTo({5, 0}, {10, 10});
  figure.LineTo({10, 20});
  figure.ArcTo(5.0f, {5, 25});
  const PathData lines = AsPolyline(figure, 4);
  ASSERT_EQ(lines.segments.size(), 4u + 1u + 4u);
  for (const PathSegment& segment : lines.segments) EXPECT_EQ(segment.kind, PathSegment::Kind::Line);
  EXPECT_EQ(lines.segments[1].end, (PointF{5, 5}));  // the middle of the curve
  EXPECT_EQ(lines.segments[3].end, (PointF{10, 10}));
  EXPECT_EQ(lines.segments[4].end, (PointF{10, 20}));
  const PointF on_arc = lines.segments[6].end;  // half-way round the corner centred at (5, 20)
  EXPECT_NEAR(std::hypot(on_arc.x - 5, on_arc.y - 20), 5.0f, 0.01f);
  EXPECT_EQ(lines.segments.back().end, (PointF{5, 25}));
  EXPECT_TRUE(lines.closed);
}

}  // namespace
}  // namespace notch
