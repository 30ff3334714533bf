#pragma once
// The small part of SVG that symbol files may use: the width and height
// attributes and one path's data, written with single quotes, found by plain
// text search (no XML parsing). The path data knows the absolute commands
// M, L, Q and Z; its y axis grows upwards, so points are flipped against the
// height.
#include <optional>
#include <string_view>
#include <vector>

#include "render/path_data.h"

namespace notch {

struct SvgSymbol {
  float width = 0.0f;
  float height = 0.0f;
  std::vector<PathData> figures;  // in y-down coordinates
};

// Nothing when the width or height is missing, not positive or over a
// million units, the text holds no " d='" attribute, or a figure reaches
// farther than a million units from the origin.
std::optional<SvgSymbol> ReadSvgSubset(std::string_view text);

}  // namespace notch
