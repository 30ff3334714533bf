#include "shell/ilha/shape_outline.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(ShapeOutlineTest, NotchFlaresIntoTheScreenEdge) {
  const RectF s{158.0f, 0.0f, 342.0f, 26.0f};
  const PathData path = NotchOutline(s, 6.0f, 9.0f);
  EXPECT_EQ(path.start, (PointF{158, 0}));
  ASSERT_EQ(path.segments.size(), 7u);
  using K = PathSegment::Kind;
  const std::vector<PathSegment> expected = {{K::Quadratic, {164, 0}, 0, {164, 6}},   {K::Line, {}, 0, {164, 17}},
                                             {K::Quadratic, {164, 26}, 0, {173, 26}}, {K::Line, {}, 0, {327, 26}},
                                             {K::Quadratic, {336, 26}, 0, {336, 17}}, {K::Line, {}, 0, {336, 6}},
                                             {K::Quadratic, {336, 0}, 0, {342, 0}}};
  EXPECT_EQ(path.segments, expected);
}

TEST(ShapeOutlineTest, NotchRadiiAreClampedToTheShape) {
  // e at most a quarter of the width; d at most half the rest and the height left.
  const PathData narrow = NotchOutline({0, 0, 20, 40}, 10.0f, 30.0f);
  EXPECT_EQ(narrow.segments[0].end, (PointF{5, 5}));    // e = 5
  EXPECT_EQ(narrow.segments[2].end, (PointF{10, 40}));  // d = (20 - 10) / 2 = 5
  const PathData flat = NotchOutline({0, 0, 200, 12}, 6.0f, 30.0f);
  EXPECT_EQ(flat.segments[1].end, (PointF{6, 6}));  // d = 12 - 6
  const PathData tiny = NotchOutline({0, 0, 1, 1}, 6.0f, 9.0f);
  for (const PathSegment& segment : tiny.segments) {
    EXPECT_GE(segment.end.x, 0.0f);
    EXPECT_LE(segment.end.x, 1.0f);
  }
}

TEST(ShapeOutlineTest, LeopardNotchHasAStraightTopEdgeAndNoEmptyCurves) {
  using K = PathSegment::Kind;
  const PathData path = NotchOutline({100, 0, 284, 22}, 0.0f, 6.0f);
  EXPECT_EQ(path.start, (PointF{100, 0}));
  const std::vector<PathSegment> expected = {{K::Line, {}, 0, {100, 16}},
                                             {K::Quadratic, {100, 22}, 0, {106, 22}},
                                             {K::Line, {}, 0, {278, 22}},
                                             {K::Quadratic, {284, 22}, 0, {284, 16}},
                                             {K::Line, {}, 0, {284, 0}}};
  EXPECT_EQ(path.segments, expected);
  EXPECT_TRUE(path.closed);
  EXPECT_EQ(NotchOutline({100, 0, 284, 22}, 0.0f, 0.0f).segments.size(), 3u);
}

TEST(ShapeOutlineTest, PillCornersUseTheSmallestOfRadiusAndHalfTheSides) {
  EXPECT_FLOAT_EQ(PillCornerRadius({0, 0, 112, 22}, 11.0f), 11.0f);
  EXPECT_FLOAT_EQ(PillCornerRadius({0, 0, 112, 14}, 11.0f), 7.0f);
  EXPECT_FLOAT_EQ(PillCornerRadius({0, 0, 10, 22}, 11.0f), 5.0f);
  const PathData path = ShapeOutline(IslandStyle::Pill, {194, 4, 306, 26}, 3.0f, 11.0f);
  EXPECT_EQ(path.start, (PointF{205, 4}));
  EXPECT_EQ(path.segments[1].kind, PathSegment::Kind::Arc);
  EXPECT_FLOAT_EQ(path.segments[1].radius, 11.0f);
  EXPECT_EQ(path.segments.back().end, path.start);
}

TEST(ShapeOutlineTest, TheLeopardBevelLeavesTheScreenEdgeOpen) {
  const RectF s{100, 0, 284, 72};
  const PathData highlight = InnerHighlight(s, 0.0f, 10.0f);
  PathData outline = NotchOutline(s, 0.0f, 10.0f);
  EXPECT_FALSE(highlight.closed);
  outline.closed = false;
  EXPECT_EQ(highlight, outline);
}

TEST(ShapeOutlineTest, SmallestRadiusAndInnerArea) {
  EXPECT_FLOAT_EQ(SmallestCornerRadius(IslandStyle::Pill, {0, 0, 112, 14}, 30.0f, 11.0f), 7.0f);
  EXPECT_FLOAT_EQ(SmallestCornerRadius(IslandStyle::Notch, {0, 0, 184, 26}, 6.0f, 9.0f), 6.0f);
  EXPECT_FLOAT_EQ(SmallestCornerRadius(IslandStyle::Notch, {0, 0, 184, 26}, 0.0f, 6.0f), 0.0f);
  EXPECT_EQ(InnerArea(IslandStyle::Notch, {78, 0, 422, 76}, 12.0f), (RectF{90, 0, 410, 76}));
  EXPECT_EQ(InnerArea(IslandStyle::Notch, {0, 0, 20, 40}, 10.0f), (RectF{5, 0, 15, 40}));  // flares clamped
  EXPECT_EQ(InnerArea(IslandStyle::ActivityOnly, {90, 4, 410, 58}, 20.0f), (RectF{90, 4, 410, 58}));
}

}  // namespace
}  // namespace notch
