#include "shell/ilha/shape_paths.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace notch {
namespace {

ShapeFrame Frame(IslandStyle style, Theme theme) {
  ShapeFrame f;
  f.shape = {158, 0, 342, 26};
  f.upper_radius = 6.0f;
  f.lower_radius = 9.0f;
  f.opacity = 0.7f;
  f.notch_height = 26.0f;
  f.style = style;
  f.theme = theme;
  return f;
}

TEST(ShapePathsTest, PathsAreRebuiltOnlyWhenTheShapeChanges) {
  testing::RecordingCanvas canvas;
  ShapePaths paths;
  ShapeFrame frame = Frame(IslandStyle::Notch, Theme::Sequoia);
  const IslandPaintInputs first = paths.Prepare(canvas, frame);
  EXPECT_EQ(canvas.paths.size(), 1u);
  EXPECT_EQ(first.inner_highlight, nullptr);
  EXPECT_FLOAT_EQ(first.corner_radius, 6.0f);
  EXPECT_FLOAT_EQ(first.opacity, 0.7f);

  frame.opacity = 0.9f;  // not part of the outline
  frame.quick_controls_page = true;
  EXPECT_TRUE(paths.Prepare(canvas, frame).quick_controls_page);
  EXPECT_EQ(canvas.paths.size(), 1u);
  frame.theme = Theme::Tahoe;  // the same combination for the outline
  paths.Prepare(canvas, frame);
  EXPECT_EQ(canvas.paths.size(), 1u);

  frame.lower_radius = 8.0f;
  paths.Prepare(canvas, frame);
  EXPECT_EQ(canvas.paths.size(), 2u);
  frame.style = IslandStyle::Pill;
  paths.Prepare(canvas, frame);
  EXPECT_EQ(canvas.paths.size(), 3u);
  testing::RecordingCanvas other;
  paths.Prepare(other, frame);
  EXPECT_EQ(other.paths.size(), 1u);
}

TEST(ShapePathsTest, OnlyTheLeopardNotchGetsAHighlight) {
  testing::RecordingCanvas canvas;
  ShapePaths paths;
  const IslandPaintInputs leopard = paths.Prepare(canvas, Frame(IslandStyle::Notch, Theme::Leopard));
  ASSERT_NE(leopard.inner_highlight, nullptr);
  ASSERT_EQ(canvas.paths.size(), 2u);
  EXPECT_FALSE(canvas.paths[1][0].closed);
  EXPECT_EQ(paths.Prepare(canvas, Frame(IslandStyle::Pill, Theme::Leopard)).inner_highlight, nullptr);
  paths.Reset();
  paths.Prepare(canvas, Frame(IslandStyle::Pill, Theme::Leopard));
  EXPECT_EQ(canvas.paths.size(), 4u);
}

}  // namespace
}  // namespace notch
