#include "render/path_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>
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

PointF CubicAt(PointF a, const CubicSegment& c, float t) {
  const float u = 1.0f - t;
  const float w0 = u * u * u, w1 = 3.0f * u * u * t, w2 = 3.0f * u * t * t, w3 = t * t * t;
  return {w0 * a.x + w1 * c.control1.x + w2 * c.control2.x + w3 * c.end.x,
          w0 * a.y + w1 * c.control1.y + w2 * c.control2.y + w3 * c.end.y};
}

}  // namespace

std::vector<CubicSegment> ArcAsCubics(PointF from, float radius, PointF to) {
  const double cx = to.x - from.x, cy = to.y - from.y;
  const double chord = std::hypot(cx, cy);
  if (chord == 0.0) return {};
  const double r = std::max(static_cast<double>(radius), chord / 2.0);
  // A clockwise turn on a y-down screen has its centre to the right of the
  // chord's direction.
  const double rise = std::sqrt(std::max(r * r - chord * chord / 4.0, 0.0));
  const double centre_x = (from.x + to.x) / 2.0 - rise * cy / chord;
  const double centre_y = (from.y + to.y) / 2.0 + rise * cx / chord;
  const double start = std::atan2(from.y - centre_y, from.x - centre_x);
  double sweep = std::atan2(to.y - centre_y, to.x - centre_x) - start;
  while (sweep <= 0.0) sweep += 2.0 * std::numbers::pi;
  const int parts = static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2.0) - 1e-9));
  const double step = sweep / parts;
  const double k = 4.0 / 3.0 * std::tan(step / 4.0) * r;
  const auto on_circle = [&](double angle) {
    return PointF{static_cast<float>(centre_x + r * std::cos(angle)),
                  static_cast<float>(centre_y + r * std::sin(angle))};
  };
  std::vector<CubicSegment> cubics;
  for (int i = 0; i < parts; ++i) {
    const double a0 = start + step * i;
    const double a1 = a0 + step;
    const PointF p0 = on_circle(a0);
    const PointF p3 = i + 1 == parts ? to : on_circle(a1);
    cubics.push_back({{static_cast<float>(p0.x - k * std::sin(a0)), static_cast<float>(p0.y + k * std::cos(a0))},
                      {static_cast<float>(p3.x + k * std::sin(a1)), static_cast<float>(p3.y - k * std::cos(a1))},
                      p3});
  }
  return cubics;
}

PathData AsPolyline(const PathData& figure, int steps) {
  PathData lines{figure.start, {}, figure.closed};
  PointF at = figure.start;
  const auto along = [&](auto point_at) {
    for (int i = 1; i < steps; ++i) lines.LineTo(point_at(static_cast<float>(i) / static_cast<float>(steps)));
  };
  for (const PathSegment& segment : figure.segments) {
    switch (segment.kind) {
      case PathSegment::Kind::Quadratic:
        along([&](float t) { return QuadraticAt(at, segment.control, segment.end, t); });
        break;
      case PathSegment::Kind::Arc: {
        PointF from = at;
        for (const CubicSegment& cubic : ArcAsCubics(at, segment.radius, segment.end)) {
          along([&](float t) { return CubicAt(from, cubic, t); });
          if (!(cubic.end == segment.end)) lines.LineTo(cubic.end);
          from = cubic.end;
        }
        break;
      }
      case PathSegment::Kind::Line:
        break;
    }
    lines.LineTo(segment.end);
    at = segment.end;
  }
  return lines;
}

float CornerRadiusWithin(const RectF& rect, float radius) {
  return std::max(0.0f, std::min({radius, rect.height() / 2.0f, rect.width() / 2.0f}));
}

PathData RoundedRectFigure(const RectF& rect, float radius) {
  const float r = CornerRadiusWithin(rect, radius);
  PathData path;
  path.start = {rect.left + r, rect.top};
  path.LineTo({rect.right - r, rect.top});
  path.ArcTo(r, {rect.right, rect.top + r});
  path.LineTo({rect.right, rect.bottom - r});
  path.ArcTo(r, {rect.right - r, rect.bottom});
  path.LineTo({rect.left + r, rect.bottom});
  path.ArcTo(r, {rect.left, rect.bottom - r});
  path.LineTo({rect.left, rect.top + r});
  path.ArcTo(r, {rect.left + r, rect.top});
  return path;
}

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
