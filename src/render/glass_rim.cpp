#include "render/glass_rim.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace notch {
namespace {

constexpr PointF kDiagonal{0.70711f, 0.70711f};

struct Light {
  PointF start, direction;
};

Light LightFor(const GlassRim& rim) {
  const RectF& r = rim.rect;
  if (!rim.light) return {{r.left, r.top}, kDiagonal};
  const PointF c = r.centre();
  const PointF from{r.left + rim.light->x * r.width(), r.top + rim.light->y * r.height()};
  const float dx = c.x - from.x;
  const float dy = c.y - from.y;
  const float length = std::hypot(dx, dy);
  // A point on the centre gives no direction.
  const PointF d = length < 0.5f ? kDiagonal : PointF{dx / length, dy / length};
  return {{c.x - r.width() / 2.0f * d.x, c.y - r.height() / 2.0f * d.y}, d};
}

// A light of strength `s` along a gradient that fades out.
std::array<GradientStop, 3> FadingLight(float s) {
  return {{{0.0f, White(s)}, {0.45f, White(0.28f * s)}, {1.0f, White(0.0f)}}};
}

// The rim's stroke `steps` stroke widths inside the rectangle.
void StrokeInset(Canvas& canvas, const GlassRim& rim, int steps, const Brush& brush) {
  const float by = static_cast<float>(steps) * rim.stroke_width;
  canvas.StrokeRoundedRect(rim.rect.Inset(by), std::max(rim.radius - by, 0.0f), brush, rim.stroke_width);
}

void StrokeLights(Canvas& canvas, const GlassRim& rim) {
  const RectF& r = rim.rect;
  const Light light = LightFor(rim);
  const PointF c = r.centre();
  const PointF opposite{2.0f * c.x - light.start.x, 2.0f * c.y - light.start.y};
  const float length = (0.18f * std::max(r.width(), r.height()) + std::min(r.width(), r.height()) / 2.0f) / 1.41421f;
  const PointF along{length * light.direction.x, length * light.direction.y};
  const float k = rim.strength * (rim.compact ? 0.75f : 0.95f);
  const float key = 0.42f * k * rim.lit;
  const float back = 0.2f * k * rim.lit;

  constexpr std::array<float, 2> kPassOpacity = {0.85f, 0.1f};
  for (int pass = 0; pass < 2; ++pass) {
    const float o = kPassOpacity[static_cast<std::size_t>(pass)];
    const auto key_stops = FadingLight(key * o);
    const auto back_stops = FadingLight(back * o);
    StrokeInset(canvas, rim, pass + 1,
                Brush::Linear(light.start, {light.start.x + along.x, light.start.y + along.y}, key_stops));
    StrokeInset(canvas, rim, pass + 1,
                Brush::Linear(opposite, {opposite.x - along.x, opposite.y - along.y}, back_stops));
  }
}

}  // namespace

void DrawGlassRim(Canvas& canvas, const GlassRim& rim) {
  if (rim.rect.width() < 4.0f || rim.rect.height() < 4.0f) return;
  const float half = rim.stroke_width / 2.0f;
  if (!rim.no_fill) {
    canvas.FillRoundedRect(rim.rect.Inset(half), std::max(rim.radius - half, 0.0f),
                           Brush::Solid(White(rim.strength * (rim.compact ? 0.3f : 0.1f))));
  }
  if (rim.lit > 0.001f) StrokeLights(canvas, rim);
  const float line = rim.no_fill ? (rim.compact ? 0.24f : 0.42f) : (rim.compact ? 0.16f : 0.22f);
  StrokeInset(canvas, rim, 1, Brush::Solid(White(rim.strength * line)));
}

}  // namespace notch
