// The SVG subset reader on any bytes: a symbol it accepts has a positive
// size and finite figures that stay drawable once placed in a box.
#include "render/svg_subset.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "render/path_data.h"
#include "render/symbols.h"

namespace {

void CheckFinite(notch::PointF p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto svg = notch::ReadSvgSubset(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!svg) return 0;
  if (!(svg->width > 0.0f) || !(svg->height > 0.0f)) std::abort();
  for (const notch::PathData& figure : svg->figures) {
    CheckFinite(figure.start);
    for (const notch::PathSegment& segment : figure.segments) {
      if (segment.kind == notch::PathSegment::Kind::Arc) std::abort();  // the subset has no arcs
      CheckFinite(segment.control);
      CheckFinite(segment.end);
    }
  }
  const notch::Transform placement = notch::SvgPlacement(notch::PathBounds(svg->figures), {0, 0, 40, 20});
  if (!(placement.m11 >= 0.0f)) std::abort();
  CheckFinite(placement.Apply({0, 0}));
  CheckFinite(placement.Apply({svg->width, svg->height}));
  return 0;
}
