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

// Figures as a path reader meets them, one open at a time.
class FigureList {
 public:
  // Ends the open figure as open and begins another at `start`.
  void Begin(PointF start) {
    End(false);
    figure_ = PathData{start, {}, false};
    open_ = true;
  }
  // The open figure, or null between figures.
  PathData* open() { return open_ ? &figure_ : nullptr; }
  void End(bool closed) {
    if (!open_) return;
    figure_.closed = closed;
    figures_.push_back(std::move(figure_));
    figure_ = {};
    open_ = false;
  }
  // Every figure, the open one ended as open.
  std::vector<PathData> Take() {
    End(false);
    return std::move(figures_);
  }

 private:
  PathData figure_;
  bool open_ = false;
  std::vector<PathData> figures_;
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

// A corner radius kept within half of the rectangle's shorter side, and not
// below 0.
float CornerRadiusWithin(const RectF& rect, float radius);

// A closed rounded rectangle with the corner radius kept within the rectangle.
PathData RoundedRectFigure(const RectF& rect, float radius);

// The smallest rectangle holding every figure: the curves themselves, not
// their control points. Arcs count by their end points (they are the quarter
// circles of rounded corners). Without figures: the empty rectangle at 0.
RectF PathBounds(std::span<const PathData> figures);

}  // namespace notch
