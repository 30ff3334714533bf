#pragma once
// A device-independent description of one figure of a path (an outline, a
// glyph's contour, an icon's stroke): the canvas turns figures into its own
// geometry object once and draws that as long as it is kept.
#include <span>
#include <vector>

#include "render/geometry.h"

namespace notch {

struct PathSegment {
  enum class Kind { Line, Quadratic, Arc };
  Kind kind = Kind::Line;
  PointF control;       // quadratic segments
  float radius = 0.0f;  // arcs: a clockwise circular arc of less than 180 degrees
  PointF end;
  friend bool operator==(const PathSegment&, const PathSegment&) = default;
};

struct PathData {
  PointF start;
  std::vector<PathSegment> segments;
  bool closed = true;

  void LineTo(PointF end) { segments.push_back({PathSegment::Kind::Line, {}, 0.0f, end}); }
  void QuadTo(PointF control, PointF end) { segments.push_back({PathSegment::Kind::Quadratic, control, 0.0f, end}); }
  void ArcTo(float radius, PointF end) { segments.push_back({PathSegment::Kind::Arc, {}, radius, end}); }
  friend bool operator==(const PathData&, const PathData&) = default;
};

struct CubicSegment {
  PointF control1, control2, end;
};

// An arc segment from `from` as cubic curves of at most a quarter turn each,
// for renderers without arcs. A radius too small for the chord grows to half
// of it, as Direct2D does.
std::vector<CubicSegment> ArcAsCubics(PointF from, float radius, PointF to);

// The figure with every curve and arc replaced by `steps` lines along it.
PathData AsPolyline(const PathData& figure, int steps);

// The smallest rectangle holding every figure: the curves themselves, not
// their control points. Arcs count by their end points (they are the quarter
// circles of rounded corners). Without figures: the empty rectangle at 0.
RectF PathBounds(std::span<const PathData> figures);

}  // namespace notch
