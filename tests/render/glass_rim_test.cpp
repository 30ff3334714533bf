#include "render/glass_rim.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

GlassRim Rim(RectF rect) {
  GlassRim rim;
  rim.rect = rect;
  rim.radius = 10.0f;
  rim.stroke_width = 1.0f;
  rim.compact = true;
  rim.strength = 0.8f;
  rim.no_fill = true;
  rim.lit = 0.35f;
  return rim;
}

TEST(GlassRimTest, DrawsNothingOnARectangleNarrowerOrLowerThanFour) {
  testing::RecordingCanvas canvas;
  DrawGlassRim(canvas, Rim({0, 0, 3, 40}));
  DrawGlassRim(canvas, Rim({0, 0, 40, 3.9f}));
  EXPECT_TRUE(canvas.ops.empty());
  DrawGlassRim(canvas, Rim({0, 0, 4, 4}));
  EXPECT_FALSE(canvas.ops.empty());
}

TEST(GlassRimTest, LightsFallFromTheTopLeftInTwoPassesUnderTheLine) {
  testing::RecordingCanvas canvas;
  DrawGlassRim(canvas, Rim({0, 0, 100, 40}));
  ASSERT_EQ(canvas.Kinds(), std::vector<K>(5, K::StrokeRoundedRect));
  const float length = (0.18f * 100 + 40 / 2.0f) / 1.41421f;
  const float k = 0.8f * 0.75f;
  const CanvasOp& key = canvas.ops[0];
  EXPECT_EQ(key.rect, (RectF{1, 1, 99, 39}));
  EXPECT_FLOAT_EQ(key.radius, 9.0f);
  EXPECT_EQ(key.start, (PointF{0, 0}));
  EXPECT_NEAR(key.end.x, length * 0.70711f, 1e-4f);
  EXPECT_NEAR(key.end.y, length * 0.70711f, 1e-4f);
  ASSERT_EQ(key.stops.size(), 3u);
  EXPECT_NEAR(key.stops[0].colour.a, 0.42f * k * 0.35f * 0.85f, 1e-6f);
  EXPECT_FLOAT_EQ(key.stops[1].position, 0.45f);
  EXPECT_NEAR(key.stops[1].colour.a, 0.28f * 0.42f * k * 0.35f * 0.85f, 1e-6f);
  EXPECT_EQ(key.stops[2].colour.a, 0.0f);
  const CanvasOp& back = canvas.ops[1];
  EXPECT_EQ(back.start, (PointF{100, 40}));
  EXPECT_NEAR(back.end.x, 100 - length * 0.70711f, 1e-4f);
  EXPECT_NEAR(back.stops[0].colour.a, 0.2f * k * 0.35f * 0.85f, 1e-6f);
  const CanvasOp& faint = canvas.ops[2];
  EXPECT_EQ(faint.rect, (RectF{2, 2, 98, 38}));
  EXPECT_FLOAT_EQ(faint.radius, 8.0f);
  EXPECT_NEAR(faint.stops[0].colour.a, 0.42f * k * 0.35f * 0.1f, 1e-6f);
  const CanvasOp& line = canvas.ops[4];
  EXPECT_EQ(line.rect, (RectF{1, 1, 99, 39}));
  EXPECT_FALSE(line.gradient());
  EXPECT_NEAR(line.colour.a, 0.8f * 0.24f, 1e-6f);
}

TEST(GlassRimTest, FilledRimsAndUnlitRims) {
  testing::RecordingCanvas canvas;
  GlassRim rim = Rim({0, 0, 100, 40});
  rim.no_fill = false;
  rim.compact = false;
  rim.lit = 0.0f;
  rim.stroke_width = 2.0f;
  DrawGlassRim(canvas, rim);
  ASSERT_EQ(canvas.Kinds(), (std::vector<K>{K::FillRoundedRect, K::StrokeRoundedRect}));
  EXPECT_EQ(canvas.ops[0].rect, (RectF{1, 1, 99, 39}));
  EXPECT_FLOAT_EQ(canvas.ops[0].radius, 9.0f);
  EXPECT_NEAR(canvas.ops[0].colour.a, 0.8f * 0.1f, 1e-6f);
  EXPECT_EQ(canvas.ops[1].rect, (RectF{2, 2, 98, 38}));
  EXPECT_FLOAT_EQ(canvas.ops[1].width, 2.0f);
  EXPECT_NEAR(canvas.ops[1].colour.a, 0.8f * 0.22f, 1e-6f);
}

TEST(GlassRimTest, ALightPointTurnsTheLightTowardsTheCentre) {
  testing::RecordingCanvas canvas;
  GlassRim rim = Rim({0, 0, 100, 40});
  rim.light = PointF{1.0f, 0.5f};  // the middle of the right edge
  DrawGlassRim(canvas, rim);
  const float length = (0.18f * 100 + 40 / 2.0f) / 1.41421f;
  EXPECT_EQ(canvas.ops[0].start, (PointF{100, 20}));
  EXPECT_EQ(canvas.ops[0].end, (PointF{100 - length, 20}));
  EXPECT_EQ(canvas.ops[1].start, (PointF{0, 20}));
  EXPECT_EQ(canvas.ops[1].end, (PointF{length, 20}));

  canvas.ops.clear();
  rim.light = PointF{0.5f, 0.5f};  // no direction: the diagonal
  DrawGlassRim(canvas, rim);
  EXPECT_NEAR(canvas.ops[0].start.x, 50 - 50 * 0.70711f, 1e-4f);
  EXPECT_NEAR(canvas.ops[0].start.y, 20 - 20 * 0.70711f, 1e-4f);
}

}  // namespace
}  // namespace notch
