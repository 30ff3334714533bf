#include "render/path_data.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace notch
