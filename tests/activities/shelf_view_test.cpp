#include "activities/shelf_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace notch {
namespace {

TEST(DashedRoundedRectTest, DashesFollowTheOutlineAtTheirSpacing) {
  const RectF rect{10, 20, 110, 80};
  const float radius = 14.0f;
  const auto dashes = DashedRoundedRect(rect, radius, 4.0f, 3.0f);
  const float perimeter = 2.0f * (100.0f + 60.0f) - 8.0f * radius + 2.0f * 3.14159265f * radius;
  EXPECT_EQ(dashes.size(), static_cast<std::size_t>(std::ceil(perimeter / 7.0f)));
  EXPECT_EQ(dashes.front().start, (PointF{24, 20}));
  // Every point lies on the outline: on an edge, or on a corner's circle.
  const auto on_outline = [&](PointF p) {
    const float cx = std::clamp(p.x, rect.left + radius, rect.right - radius);
    const float cy = std::clamp(p.y, rect.top + radius, rect.bottom - radius);
    const float d = std::hypot(p.x - cx, p.y - cy);
    const bool straight = p.x == cx || p.y == cy;
    return straight ? (std::abs(p.x - rect.left) < 1e-3f || std::abs(p.x - rect.right) < 1e-3f ||
                       std::abs(p.y - rect.top) < 1e-3f || std::abs(p.y - rect.bottom) < 1e-3f)
                    : std::abs(d - radius) < 1e-3f;
  };
  for (const PathData& dash : dashes) {
    EXPECT_FALSE(dash.closed);
    EXPECT_TRUE(on_outline(dash.start));
    for (const PathSegment& s : dash.segments) EXPECT_TRUE(on_outline(s.end)) << s.end.x << "," << s.end.y;
  }
  // A dash on a straight edge is one line.
  ASSERT_EQ(dashes.front().segments.size(), 1u);
  EXPECT_EQ(dashes.front().segments[0].end, (PointF{28, 20}));
  EXPECT_TRUE(DashedRoundedRect({0, 0, 0, 10}, 2, 4, 3).empty());
}

TEST(ShelfViewTest, NamesAndTileCounts) {
  EXPECT_EQ(ShelfItemName(L"C:\\Users\\ana\\notas.txt"), L"notas.txt");
  EXPECT_EQ(ShelfItemName(L"notas.txt"), L"notas.txt");
  EXPECT_EQ(ShelfItemName(L"D:\\"), L"D:\\");
  EXPECT_EQ(ShelfView::TilesThatFit(262.0f), 4);
  EXPECT_EQ(ShelfView::TilesThatFit(24.0f + 56.0f * 6.0f), 6);
  EXPECT_EQ(ShelfView::TilesThatFit(10.0f), 0);
}

}  // namespace
}  // namespace notch
