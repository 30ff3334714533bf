#include "shell/ilha/shape_outline.h"

#include <algorithm>

namespace notch {

float PillCornerRadius(const RectF& shape, float lower_radius) {
  return std::max(0.0f, std::min({lower_radius, shape.height() / 2.0f, shape.width() / 2.0f}));
}

PathData PillOutline(const RectF& s, float lower_radius) {
  const float r = PillCornerRadius(s, lower_radius);
  PathData path;
  path.start = {s.left + r, s.top};
  path.LineTo({s.right - r, s.top});
  path.ArcTo(r, {s.right, s.top + r});
  path.LineTo({s.right, s.bottom - r});
  path.ArcTo(r, {s.right - r, s.bottom});
  path.LineTo({s.left + r, s.bottom});
  path.ArcTo(r, {s.left, s.bottom - r});
  path.LineTo({s.left, s.top + r});
  path.ArcTo(r, {s.left + r, s.top});
  return path;
}

PathData NotchOutline(const RectF& s, float upper_radius, float lower_radius) {
  const float width = s.width();
  const float e = std::clamp(upper_radius, 0.0f, width / 4.0f);
  const float d = std::clamp(lower_radius, 0.0f, std::max(0.0f, std::min((width - 2.0f * e) / 2.0f, s.height() - e)));
  PathData path;
  path.start = {s.left, s.top};
  path.QuadTo({s.left + e, s.top}, {s.left + e, s.top + e});
  path.LineTo({s.left + e, s.bottom - d});
  path.QuadTo({s.left + e, s.bottom}, {s.left + e + d, s.bottom});
  path.LineTo({s.right - e - d, s.bottom});
  path.QuadTo({s.right - e, s.bottom}, {s.right - e, s.bottom - d});
  path.LineTo({s.right - e, s.top + e});
  path.QuadTo({s.right - e, s.top}, {s.right, s.top});
  return path;
}

PathData ShapeOutline(IslandStyle style, const RectF& shape, float upper_radius, float lower_radius) {
  return style == IslandStyle::Notch ? NotchOutline(shape, upper_radius, lower_radius)
                                     : PillOutline(shape, lower_radius);
}

}  // namespace notch
