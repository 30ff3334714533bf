#include "render/island_painter.h"

#include <algorithm>
#include <array>

#include "render/glass_rim.h"
#include "render/island_look.h"

namespace notch {
namespace {

// Below this opacity the shadows and rims would not be seen.
constexpr float kVisibleOpacity = 0.01f;

bool IsLeopardNotch(const IslandPaintInputs& in) {
  return in.style == IslandStyle::Notch && in.theme == Theme::Leopard;
}

float Opacity(const IslandPaintInputs& in) { return std::clamp(in.opacity, 0.0f, 1.0f); }

void PaintShadow(Canvas& canvas, const IslandPaintInputs& in) {
  const float q = Opacity(in);
  const RectF& s = in.shape;
  if (IsLeopardNotch(in)) {
    for (int i = 1; i <= 5; ++i) {
      const float y = static_cast<float>(6 - i) * 1.4f;
      const Brush shadow = Brush::Solid(Black(static_cast<float>(i) * 0.06f * q / 5.0f));
      canvas.PushTransform(Transform::Translation(0.0f, y));
      canvas.StrokePath(*in.outline, shadow, 1.6f * y, LineStyle::Sharp);
      canvas.FillPath(*in.outline, shadow);
      canvas.PopTransform();
    }
    return;
  }
  if (in.style == IslandStyle::Notch) return;
  const float leopard = in.theme == Theme::Leopard ? 1.6f : 1.0f;
  for (int i = 1; i <= 4; ++i) {
    const float y = static_cast<float>(5 - i) * 1.6f;
    canvas.FillRoundedRect({s.left - y, s.top - y / 2.0f, s.right + y, s.bottom + 1.3f * y}, in.corner_radius + y,
                           Brush::Solid(Black(static_cast<float>(i) * 0.25f * 0.07f * q * leopard)));
  }
}

void PaintLeopardNotchFill(Canvas& canvas, const IslandPaintInputs& in) {
  const RectF& s = in.shape;
  const float n = in.notch_height;
  const std::array<GradientStop, 3> gradient = {{{0.0f, {0.24f, 0.24f, 0.26f, 0.96f}},
                                                 {0.22f, {0.13f, 0.13f, 0.14f, 0.95f}},
                                                 {1.0f, {0.07f, 0.07f, 0.08f, 0.95f}}}};
  canvas.FillRect({s.left, s.top - 1.0f, s.right, s.bottom},
                  Brush::Linear({s.left, s.top}, {s.left, std::max(s.bottom, s.top + 1.4f * n)}, gradient));
  const float m = std::min(s.height(), n);
  canvas.FillRect({s.left, s.top, s.right, s.top + m / 2.0f}, Brush::Solid(White(0.11f)));
  // The divider under the notch band shows once something hangs below it.
  if (s.height() > n + 6.0f) {
    canvas.FillRect({s.left, s.top + m, s.right, s.top + m + 1.0f}, Brush::Solid(Black(0.55f)));
    canvas.FillRect({s.left, s.top + m + 1.0f, s.right, s.top + m + 2.0f}, Brush::Solid(White(0.09f)));
  }
  if (in.quick_controls_page && s.height() > m + 3.0f) {
    canvas.FillRect({s.left, s.top + m + 3.0f, s.right, s.bottom}, Brush::Solid(ColourFromRgb(0x1E1E20)));
  }
}

void PaintFill(Canvas& canvas, const IslandPaintInputs& in) {
  if (IsLeopardNotch(in)) {
    PaintLeopardNotchFill(canvas, in);
    return;
  }
  Colour fill = ShapeFillColour(in.style, in.theme);
  if (in.quick_controls_page) fill.a = 1.0f;
  const RectF& s = in.shape;
  canvas.FillRect({s.left, s.top - 1.0f, s.right, s.bottom}, Brush::Solid(fill));
}

float SheenAlpha(Theme theme) {
  switch (theme) {
    case Theme::Tahoe:
      return 0.14f;
    case Theme::GoldenGate:
      return 0.18f;
    case Theme::Sequoia:
    case Theme::Leopard:
      break;
  }
  return 0.1f;
}

void PaintSheen(Canvas& canvas, const IslandPaintInputs& in) {
  if (in.style == IslandStyle::Notch) return;
  const RectF& s = in.shape;
  if (in.theme == Theme::Leopard) {
    canvas.FillRect({s.left, s.top, s.right, s.top + std::min(s.height() / 2.0f, 11.0f)}, Brush::Solid(White(0.13f)));
    return;
  }
  const float bottom = s.top + std::min(0.6f * s.height(), 26.0f);
  const std::array<GradientStop, 2> sheen = {{{0.0f, White(SheenAlpha(in.theme))}, {1.0f, White(0.0f)}}};
  canvas.FillRect({s.left, s.top, s.right, bottom}, Brush::Linear({s.left, s.top}, {s.left, bottom}, sheen));
}

void PaintRim(Canvas& canvas, const IslandPaintInputs& in) {
  const float q = Opacity(in);
  if (in.style == IslandStyle::Notch || q <= kVisibleOpacity) return;
  if (in.theme == Theme::Tahoe || in.theme == Theme::GoldenGate) {
    GlassRim rim;
    rim.rect = in.shape;
    rim.radius = in.corner_radius;
    rim.compact = true;
    // The rim is drawn outside the layer, so it fades with the shape here.
    rim.strength = (in.theme == Theme::Tahoe ? 0.8f : 1.0f) * q;
    rim.no_fill = true;
    rim.lit = 0.35f;
    DrawGlassRim(canvas, rim);
    return;
  }
  const float alpha = (in.theme == Theme::Leopard ? 0.32f : 0.13f) * q;
  canvas.StrokeRoundedRect(in.shape.Inset(0.5f), std::max(in.corner_radius - 0.5f, 0.0f), Brush::Solid(White(alpha)),
                           1.0f);
}

}  // namespace

void PaintIslandUnderContent(Canvas& canvas, const IslandPaintInputs& in) {
  if (Opacity(in) > kVisibleOpacity) PaintShadow(canvas, in);
  canvas.PushLayer(in.outline, Opacity(in));
  PaintFill(canvas, in);
  PaintSheen(canvas, in);
}

void PaintIslandOverContent(Canvas& canvas, const IslandPaintInputs& in) {
  if (IsLeopardNotch(in) && in.inner_highlight != nullptr) {
    canvas.StrokePath(*in.inner_highlight, Brush::Solid(White(0.22f)), 2.0f, LineStyle::Sharp);
    canvas.PopLayer();
    canvas.StrokePath(*in.inner_highlight, Brush::Solid(Black(0.4f * Opacity(in))), 1.0f, LineStyle::Sharp);
  } else {
    canvas.PopLayer();
  }
  PaintRim(canvas, in);
}

}  // namespace notch
