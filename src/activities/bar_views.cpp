#include "activities/bar_views.h"

#include <algorithm>

namespace notch {

void DrawProgressBar(Canvas& canvas, const RectF& bar, float fraction, Theme theme) {
  const float height = bar.height();
  const float radius = height / 2.0f;
  const float fill_width = std::min(bar.width(), std::max(bar.width() * std::clamp(fraction, 0.0f, 1.0f), height));
  const RectF fill{bar.left, bar.top, bar.left + fill_width, bar.bottom};
  if (theme == Theme::Leopard) {
    canvas.FillRoundedRect(bar, radius, Brush::Solid({0.0f, 0.0f, 0.0f, 0.55f}));
    canvas.StrokeRoundedRect(bar, radius, Brush::Solid(White(0.22f)), 0.75f);
    canvas.FillRoundedRect(fill, radius, Brush::Solid({0.2f, 0.48f, 0.95f, 1.0f}));
    canvas.FillRoundedRect({fill.left, fill.top, fill.right, fill.top + height / 2.0f}, radius,
                           Brush::Solid(White(0.35f)));
    return;
  }
  canvas.FillRoundedRect(bar, radius, Brush::Solid(White(0.2f)));
  canvas.FillRoundedRect(fill, radius, Brush::Solid(White(0.92f)));
}

void DrawLevelBars(Canvas& canvas, const RectF& box, const LevelBars& bars, Colour colour) {
  const float cy = (box.top + box.bottom) / 2.0f;
  for (int i = 0; i < LevelBars::kBars; ++i) {
    const float left = box.right - 18.6f + 5.2f * static_cast<float>(i);
    const float height = std::max(box.height() * bars.level(i), 3.0f);
    canvas.FillRoundedRect({left, cy - height / 2.0f, left + 3.0f, cy + height / 2.0f}, 1.5f, Brush::Solid(colour));
  }
}

}  // namespace notch
