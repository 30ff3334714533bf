#include "render/path_icon.h"

#include <algorithm>

#include "render/decimal_text.h"

namespace notch {
namespace {

class PathIconReader {
 public:
  explicit PathIconReader(std::string_view path) : path_(path) {}

  std::optional<std::vector<PathData>> Read() {
    for (SkipSpaces(); pos_ < path_.size(); SkipSpaces()) {
      if (!Command(path_[pos_++])) return std::nullopt;
    }
    EndFigure(false);
    return std::move(figures_);
  }

 private:
  bool Command(char command) {
    std::optional<PointF> a, b;
    switch (command) {
      case 'M':
        if (!(a = Point())) return false;
        EndFigure(false);
        figure_ = PathData{*a, {}, false};
        open_ = true;
        return true;
      case 'L':
        if (!open_ || !(a = Point())) return false;
        figure_.LineTo(*a);
        return true;
      case 'Q':
        if (!open_ || !(a = Point()) || !(b = Point())) return false;
        figure_.QuadTo(*a, *b);
        return true;
      case 'Z':
        EndFigure(true);
        return true;
      default:
        return false;
    }
  }

  void SkipSpaces() {
    while (pos_ < path_.size() && path_[pos_] == ' ') ++pos_;
  }

  std::optional<PointF> Point() {
    SkipSpaces();
    const auto x = ReadDecimal(path_, pos_);
    SkipSpaces();
    const auto y = x ? ReadDecimal(path_, pos_) : std::nullopt;
    if (!y) return std::nullopt;
    return PointF{*x, *y};
  }

  void EndFigure(bool closed) {
    if (!open_) return;
    figure_.closed = closed;
    figures_.push_back(std::move(figure_));
    figure_ = {};
    open_ = false;
  }

  std::string_view path_;
  std::size_t pos_ = 0;
  PathData figure_;
  bool open_ = false;
  std::vector<PathData> figures_;
};

}  // namespace

std::optional<std::vector<PathData>> ParsePathIcon(std::string_view path) { return PathIconReader(path).Read(); }

std::optional<Transform> PathIconPlacement(const RectF& rect, float max_size) {
  const float size = std::min({rect.width() - 4.0f, rect.height() - 4.0f, max_size});
  if (!(size > 0.0f)) return std::nullopt;
  return Transform::ScaleThenMove(size / kPathIconGrid, (rect.width() - size) / 2.0f + rect.left,
                                  (rect.height() - size) / 2.0f + rect.top);
}

void PathIcons::DrawPathIcon(Canvas& canvas, Colour colour, std::string_view path, const RectF& rect, float max_size,
                             float stroke_width) {
  const auto placement = PathIconPlacement(rect, max_size);
  if (!placement) return;
  auto found = parsed_.find(path);
  if (found == parsed_.end()) found = parsed_.emplace(std::string(path), ParsePathIcon(path)).first;
  const auto& figures = found->second;
  if (!figures || figures->empty()) return;
  const CanvasPath& geometry = geometry_.Get(canvas, path, *figures);
  canvas.PushTransform(*placement);
  canvas.StrokePath(geometry, Brush::Solid(colour), stroke_width, LineStyle::Round);
  canvas.PopTransform();
}

}  // namespace notch
