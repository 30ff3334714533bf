#include "render/island_painter.h"

#include <gtest/gtest.h>

#include <array>

#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

constexpr float kAlphaTolerance = 1e-6f;

class IslandPainterTest : public ::testing::Test {
 protected:
  IslandPainterTest() {
    outline_ = canvas_.CreatePath(PathData{});
    highlight_ = canvas_.CreatePath(PathData{});
    canvas_.Clear();
  }

  // Paints with a content marker: a fill of the whole canvas in red.
  void Paint(IslandStyle style, Theme theme, float opacity = 0.8f, RectF shape = {194, 4, 306, 26}) {
    IslandPaintInputs in;
    in.shape = shape;
    in.outline = outline_.get();
    in.inner_highlight = highlight_.get();
    in.corner_radius = 11.0f;
    in.opacity = opacity;
    in.notch_height = 30.0f;
    in.style = style;
    in.theme = theme;
    in.quick_controls_page = quick_controls_;
    PaintIslandFrame(canvas_, in, [&] { canvas_.FillRect(kContent, Brush::Solid({1, 0, 0, 1})); });
  }

  const CanvasOp& Op(std::size_t index) const { return canvas_.ops.at(index); }

  static constexpr RectF kContent{0, 0, 500, 96};
  testing::RecordingCanvas canvas_;
  std::unique_ptr<CanvasPath> outline_, highlight_;
  bool quick_controls_ = false;
};

void ExpectColour(const Colour& actual, const Colour& expected) {
  EXPECT_NEAR(actual.r, expected.r, kAlphaTolerance);
  EXPECT_NEAR(actual.g, expected.g, kAlphaTolerance);
  EXPECT_NEAR(actual.b, expected.b, kAlphaTolerance);
  EXPECT_NEAR(actual.a, expected.a, kAlphaTolerance);
}

TEST_F(IslandPainterTest, SequoiaPillPaintsShadowsLayerFillSheenContentAndRim) {
  Paint(IslandStyle::Pill, Theme::Sequoia);
  const std::vector<K> order = {K::FillRoundedRect, K::FillRoundedRect,  K::FillRoundedRect, K::FillRoundedRect,
                                K::PushLayer,       K::FillRect,         K::FillRect,        K::FillRect,
                                K::PopLayer,        K::StrokeRoundedRect};
  ASSERT_EQ(canvas_.Kinds(), order);

  // Four passes, the widest and faintest first.
  for (int i = 1; i <= 4; ++i) {
    const CanvasOp& shadow = Op(static_cast<std::size_t>(i - 1));
    const float y = (5 - i) * 1.6f;
    EXPECT_EQ(shadow.rect, (RectF{194 - y, 4 - y / 2, 306 + y, 26 + 1.3f * y}));
    EXPECT_FLOAT_EQ(shadow.radius, 11 + y);
    ExpectColour(shadow.colour, Black(i * 0.25f * 0.07f * 0.8f));
  }
  EXPECT_EQ(Op(4).path, 0);
  EXPECT_FLOAT_EQ(Op(4).opacity, 0.8f);
  EXPECT_EQ(Op(5).rect, (RectF{194, 3, 306, 26}));
  ExpectColour(Op(5).colour, Black(1.0f));
  // The sheen fades out at 0.6 of the height (13.2 of 22).
  const CanvasOp& sheen = Op(6);
  EXPECT_EQ(sheen.rect, (RectF{194, 4, 306, 4 + 13.2f}));
  ASSERT_EQ(sheen.stops.size(), 2u);
  ExpectColour(sheen.stops[0].colour, White(0.1f));
  ExpectColour(sheen.stops[1].colour, White(0.0f));
  EXPECT_EQ(sheen.start, (PointF{194, 4}));
  EXPECT_EQ(sheen.end, (PointF{194, 4 + 13.2f}));
  EXPECT_EQ(Op(7).rect, kContent);
  const CanvasOp& rim = Op(9);
  EXPECT_EQ(rim.rect, (RectF{194.5f, 4.5f, 305.5f, 25.5f}));
  EXPECT_FLOAT_EQ(rim.radius, 10.5f);
  EXPECT_FLOAT_EQ(rim.width, 1.0f);
  ExpectColour(rim.colour, White(0.13f * 0.8f));
}

TEST_F(IslandPainterTest, LeopardPillHasDarkerShadowsAFlatSheenAndABrighterRim) {
  Paint(IslandStyle::ActivityOnly, Theme::Leopard, 1.0f);
  ASSERT_EQ(canvas_.ops.size(), 10u);
  ExpectColour(Op(0).colour, Black(0.25f * 0.07f * 1.6f));
  ExpectColour(Op(5).colour, {0.1f, 0.1f, 0.11f, 0.9f});
  EXPECT_EQ(Op(6).rect, (RectF{194, 4, 306, 4 + 11}));
  EXPECT_FALSE(Op(6).gradient());
  ExpectColour(Op(6).colour, White(0.13f));
  ExpectColour(Op(9).colour, White(0.32f));
}

TEST_F(IslandPainterTest, TahoeAndGoldenGateDifferOnlyInSheenAndGlassStrength) {
  Paint(IslandStyle::Pill, Theme::Tahoe);
  const std::vector<CanvasOp> tahoe = canvas_.ops;
  canvas_.Clear();
  Paint(IslandStyle::Pill, Theme::GoldenGate);
  const std::vector<CanvasOp>& golden = canvas_.ops;
  ASSERT_EQ(tahoe.size(), golden.size());

  ExpectColour(tahoe[5].colour, {0.055f, 0.055f, 0.065f, 0.95f});
  ExpectColour(tahoe[6].stops[0].colour, White(0.14f));
  ExpectColour(golden[6].stops[0].colour, White(0.18f));
  // The glass rim: two passes of a key and a back light, then the line.
  const std::size_t rim = 9;
  ASSERT_EQ(tahoe.size(), rim + 5);
  for (std::size_t i = 0; i < tahoe.size(); ++i) {
    EXPECT_EQ(tahoe[i].kind, golden[i].kind);
    EXPECT_EQ(tahoe[i].rect, golden[i].rect);
    if (i == 6) continue;
    const float strength = i >= rim ? 1.0f / 0.8f : 1.0f;
    if (!tahoe[i].gradient()) ExpectColour(golden[i].colour, WithAlpha(tahoe[i].colour, tahoe[i].colour.a * strength));
    ASSERT_EQ(tahoe[i].stops.size(), golden[i].stops.size());
    for (std::size_t s = 0; s < tahoe[i].stops.size(); ++s) {
      EXPECT_NEAR(golden[i].stops[s].colour.a, tahoe[i].stops[s].colour.a * strength, kAlphaTolerance);
    }
  }
  // The line last: compact and without fill, faded with the shape.
  ExpectColour(tahoe.back().colour, White(0.8f * 0.24f * 0.8f));
}

TEST_F(IslandPainterTest, NotchFillsBlackWithoutShadowSheenOrRim) {
  for (const Theme theme : {Theme::Sequoia, Theme::Tahoe, Theme::GoldenGate}) {
    canvas_.Clear();
    Paint(IslandStyle::Notch, theme, 1.0f, {158, 0, 342, 30});
    ASSERT_EQ(canvas_.Kinds(), (std::vector<K>{K::PushLayer, K::FillRect, K::FillRect, K::PopLayer}));
    EXPECT_EQ(Op(1).rect, (RectF{158, -1, 342, 30}));
    ExpectColour(Op(1).colour, Black(1.0f));
  }
}

TEST_F(IslandPainterTest, LeopardNotchHasStackedShadowsAGradientAGlossAndABevel) {
  Paint(IslandStyle::Notch, Theme::Leopard, 0.5f, {158, 0, 342, 30});
  std::vector<K> order;
  for (int i = 0; i < 5; ++i)
    order.insert(order.end(), {K::PushTransform, K::StrokePath, K::FillPath, K::PopTransform});
  order.insert(order.end(),
               {K::PushLayer, K::FillRect, K::FillRect, K::FillRect, K::StrokePath, K::PopLayer, K::StrokePath});
  ASSERT_EQ(canvas_.Kinds(), order);
  for (int i = 1; i <= 5; ++i) {
    const std::size_t at = static_cast<std::size_t>(i - 1) * 4;
    const float y = (6 - i) * 1.4f;
    EXPECT_EQ(Op(at).transform, Transform::Translation(0, y));
    EXPECT_EQ(Op(at + 1).path, 0);
    EXPECT_FLOAT_EQ(Op(at + 1).width, 1.6f * y);
    ExpectColour(Op(at + 1).colour, Black(i * 0.06f * 0.5f / 5));
    ExpectColour(Op(at + 2).colour, Op(at + 1).colour);
  }
  const CanvasOp& fill = Op(21);
  EXPECT_EQ(fill.rect, (RectF{158, -1, 342, 30}));
  EXPECT_EQ(fill.start, (PointF{158, 0}));
  EXPECT_EQ(fill.end, (PointF{158, 42}));  // 1.4 N below the top, past the bottom
  ASSERT_EQ(fill.stops.size(), 3u);
  EXPECT_FLOAT_EQ(fill.stops[1].position, 0.22f);
  ExpectColour(fill.stops[0].colour, {0.24f, 0.24f, 0.26f, 0.96f});
  ExpectColour(fill.stops[1].colour, {0.13f, 0.13f, 0.14f, 0.95f});
  ExpectColour(fill.stops[2].colour, {0.07f, 0.07f, 0.08f, 0.95f});
  EXPECT_EQ(Op(22).rect, (RectF{158, 0, 342, 15}));
  ExpectColour(Op(22).colour, White(0.11f));
  const CanvasOp& inner = Op(24);
  EXPECT_EQ(inner.path, 1);
  EXPECT_FLOAT_EQ(inner.width, 2.0f);
  ExpectColour(inner.colour, White(0.22f));
  const CanvasOp& outer = Op(26);
  EXPECT_EQ(outer.path, 1);
  EXPECT_FLOAT_EQ(outer.width, 1.0f);
  ExpectColour(outer.colour, Black(0.4f * 0.5f));
}

TEST_F(IslandPainterTest, LeopardNotchDividesTheBandOnlyWhenMoreThanSixHangsBelowIt) {
  Paint(IslandStyle::Notch, Theme::Leopard, 1.0f, {90, 0, 410, 36});  // exactly N + 6
  EXPECT_EQ(canvas_.Ops(K::FillRect).size(), 3u);                     // gradient, gloss, content
  canvas_.Clear();
  Paint(IslandStyle::Notch, Theme::Leopard, 1.0f, {90, 0, 410, 36.5f});
  const auto fills = canvas_.Ops(K::FillRect);
  ASSERT_EQ(fills.size(), 5u);
  EXPECT_EQ(fills[2]->rect, (RectF{90, 30, 410, 31}));
  ExpectColour(fills[2]->colour, Black(0.55f));
  EXPECT_EQ(fills[3]->rect, (RectF{90, 31, 410, 32}));
  ExpectColour(fills[3]->colour, White(0.09f));
}

TEST_F(IslandPainterTest, QuickControlsPageGetsAnOpaqueFillAndLeopardsPanelBackground) {
  quick_controls_ = true;
  Paint(IslandStyle::Pill, Theme::Tahoe);
  ExpectColour(Op(5).colour, {0.055f, 0.055f, 0.065f, 1.0f});
  canvas_.Clear();
  Paint(IslandStyle::Notch, Theme::Leopard, 1.0f, {90, 0, 410, 250});
  const auto fills = canvas_.Ops(K::FillRect);
  ASSERT_EQ(fills.size(), 6u);
  EXPECT_EQ(fills[4]->rect, (RectF{90, 33, 410, 250}));
  ExpectColour(fills[4]->colour, ColourFromRgb(0x1E1E20));
}

TEST_F(IslandPainterTest, AnInvisibleIslandDrawsOnlyItsLayer) {
  Paint(IslandStyle::Pill, Theme::Sequoia, 0.01f);
  EXPECT_EQ(canvas_.Kinds(), (std::vector<K>{K::PushLayer, K::FillRect, K::FillRect, K::FillRect, K::PopLayer}));
  EXPECT_FLOAT_EQ(Op(0).opacity, 0.01f);
  canvas_.Clear();
  Paint(IslandStyle::Pill, Theme::GoldenGate, -0.5f);  // springs may overshoot
  EXPECT_EQ(canvas_.Ops(K::StrokeRoundedRect).size(), 0u);
  EXPECT_FLOAT_EQ(Op(0).opacity, 0.0f);
  canvas_.Clear();
  Paint(IslandStyle::Notch, Theme::Leopard, 0.005f, {158, 0, 342, 30});
  EXPECT_EQ(canvas_.Ops(K::PushTransform).size(), 0u);
}

}  // namespace
}  // namespace notch
