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
    return figures_.Take();
  }

 private:
  bool Command(char command) {
    std::optional<PointF> a, b;
    PathData* figure = figures_.open();
    switch (command) {
      case 'M':
        if (!(a = Point())) return false;
        figures_.Begin(*a);
        return true;
      case 'L':
        if (figure == nullptr || !(a = Point())) return false;
        figure->LineTo(*a);
        return true;
      case 'Q':
        if (figure == nullptr || !(a = Point()) || !(b = Point())) return false;
        figure->QuadTo(*a, *b);
        return true;
      case 'Z':
        figures_.End(true);
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

  std::string_view path_;
  std::size_t pos_ = 0;
  FigureList figures_;
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
