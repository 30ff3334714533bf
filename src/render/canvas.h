#pragma once
// The drawing surface painting code draws on. Direct2D implements it on
// Windows; tests record the calls.
#include <memory>
#include <span>

#include "render/colour.h"
#include "render/geometry.h"
#include "render/path_data.h"

namespace notch {

// A path turned into the canvas's own geometry; keep it to draw it again.
class CanvasPath {
 public:
  virtual ~CanvasPath() = default;
};

struct GradientStop {
  float position = 0.0f;
  Colour colour;
};

// A solid colour, or a linear gradient from `start` to `end`.
struct Brush {
  Colour colour;
  std::span<const GradientStop> stops;  // empty: solid
  PointF start, end;

  static Brush Solid(Colour c) { return Brush{c, {}, {}, {}}; }
  static Brush Linear(PointF from, PointF to, std::span<const GradientStop> gradient) {
    return Brush{{}, gradient, from, to};
  }
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual std::unique_ptr<CanvasPath> CreatePath(const PathData& path) = 0;
  virtual void FillPath(const CanvasPath& path, const Brush& brush) = 0;
  virtual void StrokePath(const CanvasPath& path, const Brush& brush, float width) = 0;
  virtual void FillRect(const RectF& rect, const Brush& brush) = 0;
  virtual void FillRoundedRect(const RectF& rect, float radius, const Brush& brush) = 0;
  virtual void StrokeRoundedRect(const RectF& rect, float radius, const Brush& brush, float width) = 0;

  // Everything until PopLayer is clipped to `mask` and drawn with `opacity`.
  virtual void PushLayer(const CanvasPath& mask, float opacity) = 0;
  virtual void PopLayer() = 0;
  // Moves everything drawn afterwards by (dx, dy) until the next call.
  virtual void SetTranslation(float dx, float dy) = 0;
};

}  // namespace notch
