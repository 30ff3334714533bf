#pragma once
// The glass rim of the Tahoe and Golden Gate looks: a faint fill, a key
// light and a back light along the edge, and a thin bright line.
#include <optional>

#include "render/canvas.h"

namespace notch {

struct GlassRim {
  RectF rect;
  float radius = 0.0f;
  float stroke_width = 1.0f;
  bool compact = false;  // small shapes: a stronger fill and line, softer lights
  float strength = 1.0f;
  bool no_fill = false;
  float lit = 0.0f;  // 0 draws no lights
  // Where the light comes from, as fractions of the rectangle; without one
  // it falls from the top-left corner.
  std::optional<PointF> light;
};

// Draws nothing on a rectangle narrower or lower than 4.
void DrawGlassRim(Canvas& canvas, const GlassRim& rim);

}  // namespace notch
