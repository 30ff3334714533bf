#pragma once
// The island's shape in its four looks: shadows, the masked layer that the
// content is drawn into, fills, gradients, sheens, highlights and rims.
#include "host/settings.h"
#include "render/canvas.h"

namespace notch {

struct IslandPaintInputs {
  RectF shape;
  const CanvasPath* outline = nullptr;
  const CanvasPath* inner_highlight = nullptr;  // the Leopard notch's bevel line
  float corner_radius = 0.0f;                   // X, the shape's smallest corner radius
  float opacity = 1.0f;                         // Q
  float notch_height = 24.0f;                   // N
  IslandStyle style = IslandStyle::Notch;
  Theme theme = Theme::Sequoia;
  bool quick_controls_page = false;  // expanded on the Quick Controls page
};

// Shadows, then the layer masked by the outline (left pushed), its fill and
// sheen.
void PaintIslandUnderContent(Canvas& canvas, const IslandPaintInputs& in);
// The highlight, the layer's end and the rim.
void PaintIslandOverContent(Canvas& canvas, const IslandPaintInputs& in);

template <typename DrawContent>
void PaintIslandFrame(Canvas& canvas, const IslandPaintInputs& in, DrawContent&& draw_content) {
  PaintIslandUnderContent(canvas, in);
  draw_content();
  PaintIslandOverContent(canvas, in);
}

}  // namespace notch
