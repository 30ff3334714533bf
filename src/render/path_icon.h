#pragma once
// Line-art icons written as short path strings on a 24 x 24 grid with y
// growing downwards, such as "M 15 5 L 8 12 L 15 19" (a left chevron):
// commands M x y, L x y, Q x1 y1 x y and Z separated by spaces, stroked with
// round caps and joins.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/canvas.h"
#include "render/path_cache.h"

namespace notch {

inline constexpr float kPathIconGrid = 24.0f;

// The figures of a path string; nothing when it is malformed (an unknown
// command, a missing number, a line or curve outside a figure).
std::optional<std::vector<PathData>> ParsePathIcon(std::string_view path);

// The grid scaled to size = min(rect width - 4, rect height - 4, max_size)
// and centred in `rect`; nothing when that size is not positive.
std::optional<Transform> PathIconPlacement(const RectF& rect, float max_size);

class PathIcons {
 public:
  // Strokes `path` centred in `rect`; `stroke_width` is in grid units. A
  // malformed string draws nothing.
  void DrawPathIcon(Canvas& canvas, Colour colour, std::string_view path, const RectF& rect, float max_size,
                    float stroke_width);

 private:
  std::map<std::string, std::optional<std::vector<PathData>>, std::less<>> parsed_;
  PathCache<char> geometry_;
};

}  // namespace notch
