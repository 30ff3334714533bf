#include "render/path_icon.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

TEST(PathIconTest, AcceptsMoveLineCurveAndClose) {
  const auto rectangle = ParsePathIcon("M 3 6 L 21 6 L 21 18 L 3 18 Z");
  ASSERT_TRUE(rectangle);
  ASSERT_EQ(rectangle->size(), 1u);
  EXPECT_TRUE((*rectangle)[0].closed);
  EXPECT_EQ((*rectangle)[0].segments.size(), 3u);

  const auto curves = ParsePathIcon("M 5 3 Q -2 10 5 17  M 12 20 L 12 20.1");
  ASSERT_TRUE(curves);
  ASSERT_EQ(curves->size(), 2u);
  EXPECT_FALSE((*curves)[0].closed);
  EXPECT_EQ((*curves)[0].segments[0], (PathSegment{PathSegment::Kind::Quadratic, {-2, 10}, 0, {5, 17}}));
  EXPECT_EQ((*curves)[1].segments[0].end, (PointF{12, 20.1f}));
}

TEST(PathIconTest, AnyOtherCommandStopsTheParseAndNothingIsDrawn) {
  EXPECT_FALSE(ParsePathIcon("M 3 6 L 21 6 C 1 2 3 4 5 6"));
  EXPECT_FALSE(ParsePathIcon("M 3 6 l 21 6"));
  EXPECT_FALSE(ParsePathIcon("M 3 6 L 21"));  // a missing number
  EXPECT_FALSE(ParsePathIcon("L 3 6"));       // no figure to draw into
  EXPECT_FALSE(ParsePathIcon("M 3 6 Z L 4 4"));
  EXPECT_FALSE(ParsePathIcon("M 3 6\tL 4 4"));  // only spaces separate
  EXPECT_TRUE(ParsePathIcon("M 3 6 Z Z"));
}

TEST(PathIconTest, TheGridIsScaledIntoTheBoxLessAMarginAndCentred) {
  const auto placement = PathIconPlacement({100, 10, 140, 30}, 100.0f);
  ASSERT_TRUE(placement);
  EXPECT_EQ(*placement, Transform::ScaleThenMove(16.0f / 24.0f, 112.0f, 12.0f));
  EXPECT_EQ(*PathIconPlacement({0, 0, 40, 40}, 18.0f), Transform::ScaleThenMove(18.0f / 24.0f, 11.0f, 11.0f));
  EXPECT_FALSE(PathIconPlacement({0, 0, 4, 40}, 18.0f));
}

TEST(PathIconTest, StrokesWithRoundCapsAndBuildsEachPathOnce) {
  testing::RecordingCanvas canvas;
  PathIcons icons;
  icons.DrawPathIcon(canvas, White(), "M 4 12 L 9 17 L 20 6", {0, 0, 28, 28}, 24.0f, 2.0f);
  icons.DrawPathIcon(canvas, White(), "M 4 12 L 9 17 L 20 6", {30, 0, 58, 28}, 24.0f, 2.0f);
  ASSERT_EQ(canvas.Kinds(), (std::vector<K>{K::PushTransform, K::StrokePath, K::PopTransform, K::PushTransform,
                                            K::StrokePath, K::PopTransform}));
  EXPECT_EQ(canvas.paths.size(), 1u);
  const CanvasOp& stroke = *canvas.Ops(K::StrokePath)[0];
  EXPECT_EQ(stroke.line_style, LineStyle::Round);
  EXPECT_FLOAT_EQ(stroke.width, 2.0f);
  EXPECT_EQ(stroke.transform, Transform::ScaleThenMove(1.0f, 2.0f, 2.0f));

  canvas.Clear();
  icons.DrawPathIcon(canvas, White(), "M 4 12 X", {0, 0, 28, 28}, 24.0f, 2.0f);
  icons.DrawPathIcon(canvas, White(), "M 4 12 L 9 17", {0, 0, 3, 28}, 24.0f, 2.0f);
  EXPECT_TRUE(canvas.ops.empty());
}

}  // namespace
}  // namespace notch
