#include "shell/ilha/shape_paths.h"

#include "shell/ilha/shape_outline.h"

namespace notch {

IslandPaintInputs ShapePaths::Prepare(Canvas& canvas, const ShapeFrame& f) {
  const Key key{f.shape, f.upper_radius, f.lower_radius, f.style, f.theme == Theme::Leopard};
  if (!outline_ || domain_ != canvas.PathDomain() || !(key == key_)) {
    outline_ = canvas.CreatePath(ShapeOutline(f.style, f.shape, f.upper_radius, f.lower_radius));
    const bool leopard_notch = f.style == IslandStyle::Notch && key.leopard;
    highlight_ = leopard_notch ? canvas.CreatePath(InnerHighlight(f.shape, f.upper_radius, f.lower_radius)) : nullptr;
    key_ = key;
    domain_ = canvas.PathDomain();
  }
  IslandPaintInputs in;
  in.shape = f.shape;
  in.outline = outline_.get();
  in.inner_highlight = highlight_.get();
  in.corner_radius = SmallestCornerRadius(f.style, f.shape, f.upper_radius, f.lower_radius);
  in.opacity = f.opacity;
  in.notch_height = f.notch_height;
  in.style = f.style;
  in.theme = f.theme;
  in.quick_controls_page = f.quick_controls_page;
  return in;
}

void ShapePaths::Reset() {
  outline_.reset();
  highlight_.reset();
  domain_ = nullptr;
}

}  // namespace notch
