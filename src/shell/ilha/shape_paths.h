#pragma once
// The island's outline and the Leopard notch's highlight as canvas paths,
// kept between frames and rebuilt only when the shape changes, and the
// painter's inputs for one frame.
#include <memory>

#include "host/settings.h"
#include "render/canvas.h"
#include "render/island_painter.h"

namespace notch {

// One frame's shape as the springs give it.
struct ShapeFrame {
  RectF shape;
  float upper_radius = 0.0f;
  float lower_radius = 0.0f;
  float opacity = 1.0f;
  float notch_height = 24.0f;
  IslandStyle style = IslandStyle::Notch;
  Theme theme = Theme::Sequoia;
  bool quick_controls_page = false;
};

class ShapePaths {
 public:
  // Rebuilds the paths when the rectangle, a radius, the style or the
  // Leopard-notch combination changed, or the canvas cannot draw the kept
  // ones.
  IslandPaintInputs Prepare(Canvas& canvas, const ShapeFrame& frame);
  void Reset();

 private:
  struct Key {
    RectF rect;
    float upper = 0.0f, lower = 0.0f;
    IslandStyle style = IslandStyle::Notch;
    bool leopard = false;
    friend bool operator==(const Key&, const Key&) = default;
  };
  Key key_;
  const void* domain_ = nullptr;
  std::unique_ptr<CanvasPath> outline_;
  std::unique_ptr<CanvasPath> highlight_;
};

}  // namespace notch
