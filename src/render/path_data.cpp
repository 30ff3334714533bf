#include "render/path_data.h"

#include <algorithm>
#include <optional>

namespace notch {
namespace {

struct Extent {
  std::optional<RectF> box;
  void Add(PointF p) {
    if (!box) {
      box = RectF{p.x, p.y, p.x, p.y};
      return;
    }
    box->left = std::min(box->left, p.x);
    box->top = std::min(box->top, p.y);
    box->right = std::max(box->right, p.x);
    box->bottom = std::max(box->bottom, p.y);
  }
};

// Where a quadratic curve turns on one axis, as a curve parameter in (0, 1).
std::optional<float> TurningPoint(float from, float control, float to) {
  const float denominator = from - 2.0f * control + to;
  if (denominator == 0.0f) return std::nullopt;
  const float t = (from - control) / denominator;
  if (!(t > 0.0f && t < 1.0f)) return std::nullopt;
  return t;
}

PointF QuadraticAt(PointF a, PointF c, PointF b, float t) {
  const float u = 1.0f - t;
  return {u * u * a.x + 2.0f * u * t * c.x + t * t * b.x, u * u * a.y + 2.0f * u * t * c.y + t * t * b.y};
}

}  // namespace

RectF PathBounds(std::span<const PathData> figures) {
  Extent extent;
  for (const PathData& figure : figures) {
    extent.Add(figure.start);
    PointF at = figure.start;
    for (const PathSegment& segment : figure.segments) {
      if (segment.kind == PathSegment::Kind::Quadratic) {
        for (const auto t : {TurningPoint(at.x, segment.control.x, segment.end.x),
                             TurningPoint(at.y, segment.control.y, segment.end.y)}) {
          if (t) extent.Add(QuadraticAt(at, segment.control, segment.end, *t));
        }
      }
      extent.Add(segment.end);
      at = segment.end;
    }
  }
  return extent.box.value_or(RectF{});
}

}  // namespace notch
