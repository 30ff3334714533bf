#include "render/button_highlight.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

constexpr RectF kButton{10, 10, 38, 38};

TEST(ButtonHighlightTest, SequoiaFillsBrighterWhenHoveredAndPressed) {
  for (const auto& [state, alpha] : {std::pair{ButtonState::Rest, 0.09f}, std::pair{ButtonState::Hovered, 0.15f},
                                     std::pair{ButtonState::Pressed, 0.22f}}) {
    testing::RecordingCanvas canvas;
    DrawButtonHighlight(canvas, kButton, 8.0f, Theme::Sequoia, state);
    ASSERT_EQ(canvas.Kinds(), std::vector<K>{K::FillRoundedRect});
    EXPECT_EQ(canvas.ops[0].rect, kButton);
    EXPECT_FLOAT_EQ(canvas.ops[0].radius, 8.0f);
    EXPECT_EQ(canvas.ops[0].colour, White(alpha));
  }
}

TEST(ButtonHighlightTest, GlassThemesLightTheRimOnlyUnderThePointer) {
  testing::RecordingCanvas rest, hovered, golden;
  DrawButtonHighlight(rest, kButton, 8.0f, Theme::Tahoe, ButtonState::Rest);
  DrawButtonHighlight(hovered, kButton, 8.0f, Theme::Tahoe, ButtonState::Hovered);
  DrawButtonHighlight(golden, kButton, 8.0f, Theme::GoldenGate, ButtonState::Pressed);
  ASSERT_EQ(rest.Kinds(), (std::vector<K>{K::FillRoundedRect, K::StrokeRoundedRect}));
  EXPECT_NEAR(rest.ops[1].colour.a, 0.6f * 0.24f, 1e-6f);  // compact, without fill
  EXPECT_EQ(hovered.ops.size(), 6u);
  EXPECT_NEAR(hovered.ops[1].stops[0].colour.a, 0.42f * 0.6f * 0.75f * 1.0f * 0.85f, 1e-6f);
  EXPECT_EQ(golden.ops.size(), 6u);
  EXPECT_NEAR(golden.ops.back().colour.a, 0.9f * 0.24f, 1e-6f);
}

TEST(ButtonHighlightTest, LeopardAddsASheenOnTheUpperHalfAndAnOutline) {
  testing::RecordingCanvas canvas;
  DrawButtonHighlight(canvas, kButton, 8.0f, Theme::Leopard, ButtonState::Rest);
  ASSERT_EQ(canvas.Kinds(), (std::vector<K>{K::FillRoundedRect, K::FillRoundedRect, K::StrokeRoundedRect}));
  const CanvasOp& sheen = canvas.ops[1];
  EXPECT_EQ(sheen.start, (PointF{10, 10}));
  EXPECT_EQ(sheen.end, (PointF{10, 38}));
  ASSERT_EQ(sheen.stops.size(), 4u);
  EXPECT_EQ(sheen.stops[1].position, 0.5f);
  EXPECT_EQ(sheen.stops[1].colour, White(0.1f));
  EXPECT_EQ(sheen.stops[2].position, 0.5f);
  EXPECT_EQ(sheen.stops[2].colour, White(0.0f));
  const CanvasOp& outline = canvas.ops[2];
  EXPECT_EQ(outline.rect, (RectF{10.5f, 10.5f, 37.5f, 37.5f}));
  EXPECT_FLOAT_EQ(outline.radius, 7.5f);
  EXPECT_EQ(outline.colour, White(0.28f));
  EXPECT_FLOAT_EQ(outline.width, 1.0f);
}

}  // namespace
}  // namespace notch
