#include "render/button_highlight.h"

#include <algorithm>
#include <array>

#include "render/glass_rim.h"

namespace notch {
namespace {

float FillAlpha(ButtonState state) {
  switch (state) {
    case ButtonState::Hovered:
      return 0.15f;
    case ButtonState::Pressed:
      return 0.22f;
    case ButtonState::Rest:
      break;
  }
  return 0.09f;
}

}  // namespace

void DrawButtonHighlight(Canvas& canvas, const RectF& rect, float radius, Theme theme, ButtonState state) {
  canvas.FillRoundedRect(rect, radius, Brush::Solid(White(FillAlpha(state))));
  switch (theme) {
    case Theme::Tahoe:
    case Theme::GoldenGate: {
      // A pressed button is under the pointer too, so it stays lit.
      GlassRim rim;
      rim.rect = rect;
      rim.radius = radius;
      rim.compact = true;
      rim.strength = theme == Theme::Tahoe ? 0.6f : 0.9f;
      rim.no_fill = true;
      rim.lit = state == ButtonState::Rest ? 0.0f : 1.0f;
      DrawGlassRim(canvas, rim);
      break;
    }
    case Theme::Leopard: {
      // A hard stop halfway down keeps the sheen to the upper half while the
      // rounded rectangle keeps its top corners.
      const std::array<GradientStop, 4> sheen = {
          {{0.0f, White(0.1f)}, {0.5f, White(0.1f)}, {0.5f, White(0.0f)}, {1.0f, White(0.0f)}}};
      canvas.FillRoundedRect(rect, radius, Brush::Linear({rect.left, rect.top}, {rect.left, rect.bottom}, sheen));
      canvas.StrokeRoundedRect(rect.Inset(0.5f), std::max(radius - 0.5f, 0.0f), Brush::Solid(White(0.28f)), 1.0f);
      break;
    }
    case Theme::Sequoia:
      break;
  }
}

}  // namespace notch
