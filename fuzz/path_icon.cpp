// The path-icon parser on any text: it either refuses the string or gives
// non-empty figures of finite points made only of lines and curves, and a
// string it accepts is accepted again with spaces doubled.
#include "render/path_icon.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void CheckFinite(notch::PointF p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto figures = notch::ParsePathIcon(text);
  if (!figures) return 0;
  for (const notch::PathData& figure : *figures) {
    CheckFinite(figure.start);
    for (const notch::PathSegment& segment : figure.segments) {
      if (segment.kind == notch::PathSegment::Kind::Arc) std::abort();
      CheckFinite(segment.control);
      CheckFinite(segment.end);
    }
  }
  std::string spaced;
  for (const char c : text) spaced += c == ' ' ? std::string("  ") : std::string(1, c);
  const auto again = notch::ParsePathIcon(spaced);
  if (!again || *again != *figures) std::abort();
  return 0;
}
