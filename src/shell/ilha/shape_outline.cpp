#include "shell/ilha/shape_outline.h"

#include <algorithm>

namespace notch {
namespace {

// The notch's lower corners: at most half the width between the flares and
// the height below them.
float NotchLowerRadius(const RectF& s, float e, float lower_radius) {
  return std::clamp(lower_radius, 0.0f, std::max(0.0f, std::min((s.width() - 2.0f * e) / 2.0f, s.height() - e)));
}

// A corner of radius 0 is left out: its curve would have no length, and wide
// strokes of the outline (the Leopard shadow) would spike at it.
void Corner(PathData& path, float radius, PointF control, PointF end) {
  if (radius > 0.0f) path.QuadTo(control, end);
}

}  // namespace

float PillCornerRadius(const RectF& shape, float lower_radius) { return CornerRadiusWithin(shape, lower_radius); }

PathData PillOutline(const RectF& s, float lower_radius) { return RoundedRectFigure(s, lower_radius); }

float NotchFlare(const RectF& shape, float upper_radius) {
  return std::clamp(upper_radius, 0.0f, shape.width() / 4.0f);
}

PathData NotchOutline(const RectF& s, float upper_radius, float lower_radius) {
  const float e = NotchFlare(s, upper_radius);
  const float d = NotchLowerRadius(s, e, lower_radius);
  PathData path;
  path.start = {s.left, s.top};
  Corner(path, e, {s.left + e, s.top}, {s.left + e, s.top + e});
  path.LineTo({s.left + e, s.bottom - d});
  Corner(path, d, {s.left + e, s.bottom}, {s.left + e + d, s.bottom});
  path.LineTo({s.right - e - d, s.bottom});
  Corner(path, d, {s.right - e, s.bottom}, {s.right - e, s.bottom - d});
  path.LineTo({s.right - e, s.top + e});
  Corner(path, e, {s.right - e, s.top}, {s.right, s.top});
  return path;
}

PathData InnerHighlight(const RectF& shape, float upper_radius, float lower_radius) {
  PathData path = NotchOutline(shape, upper_radius, lower_radius);
  path.closed = false;
  return path;
}

float SmallestCornerRadius(IslandStyle style, const RectF& shape, float upper_radius, float lower_radius) {
  if (style != IslandStyle::Notch) return PillCornerRadius(shape, lower_radius);
  const float e = NotchFlare(shape, upper_radius);
  return std::min(e, NotchLowerRadius(shape, e, lower_radius));
}

RectF InnerArea(IslandStyle style, const RectF& shape, float upper_radius) {
  if (style != IslandStyle::Notch) return shape;
  const float e = NotchFlare(shape, upper_radius);
  return {shape.left + e, shape.top, shape.right - e, shape.bottom};
}

PathData ShapeOutline(IslandStyle style, const RectF& shape, float upper_radius, float lower_radius) {
  return style == IslandStyle::Notch ? NotchOutline(shape, upper_radius, lower_radius)
                                     : PillOutline(shape, lower_radius);
}

}  // namespace notch
