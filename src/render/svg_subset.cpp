#include "render/svg_subset.h"

#include <cmath>

#include "render/decimal_text.h"

namespace notch {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The number right after `attribute` (white space before it allowed), as the
// C library's text-to-double conversion reads it; 0 when there is none.
float AttributeNumber(std::string_view text, std::string_view attribute) {
  const std::size_t found = text.find(attribute);
  if (found == std::string_view::npos) return 0.0f;
  std::size_t pos = found + attribute.size();
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  return ReadDecimal(text, pos).value_or(0.0f);
}

class PathDataReader {
 public:
  PathDataReader(std::string_view data, float height) : data_(data), height_(height) {}

  std::vector<PathData> Read() {
    while (pos_ < data_.size()) {
      const char command = data_[pos_++];
      switch (command) {
        case 'M':
          figures_.Begin(Point());
          break;
        case 'L': {
          const PointF point = Point();
          if (PathData* figure = figures_.open()) figure->LineTo(point);
          break;
        }
        case 'Q': {
          const PointF control = Point();
          const PointF end = Point();
          if (PathData* figure = figures_.open()) figure->QuadTo(control, end);
          break;
        }
        case 'Z':
          figures_.End(true);
          break;
        default:
          break;  // anything else is skipped one character at a time
      }
    }
    return figures_.Take();
  }

 private:
  // A missing number reads as 0, as the C conversion gives when it finds no
  // digits.
  float Number() {
    while (pos_ < data_.size() && (IsSpace(data_[pos_]) || data_[pos_] == ',')) ++pos_;
    return ReadDecimal(data_, pos_).value_or(0.0f);
  }

  PointF Point() {
    const float x = Number();
    const float y = Number();
    return {x, height_ - y};
  }

  std::string_view data_;
  float height_;
  std::size_t pos_ = 0;
  FigureList figures_;
};

// Symbols are drawn a few dozen units across; a figure reaching this far
// from the origin is not a symbol, and placing it in a box would overflow a
// float.
constexpr float kFarthestCoordinate = 1.0e6f;

bool WithinReach(float value) { return std::fabs(value) <= kFarthestCoordinate; }

bool WithinReach(const RectF& bounds) {
  return WithinReach(bounds.left) && WithinReach(bounds.top) && WithinReach(bounds.right) && WithinReach(bounds.bottom);
}

}  // namespace

std::optional<SvgSymbol> ReadSvgSubset(std::string_view text) {
  SvgSymbol symbol;
  symbol.width = AttributeNumber(text, "width='");
  symbol.height = AttributeNumber(text, "height='");
  constexpr std::string_view kPathData = " d='";
  const std::size_t found = text.find(kPathData);
  if (found == std::string_view::npos || !(symbol.width > 0.0f) || !(symbol.height > 0.0f) ||
      !WithinReach(symbol.width) || !WithinReach(symbol.height)) {
    return std::nullopt;
  }
  std::string_view data = text.substr(found + kPathData.size());
  data = data.substr(0, data.find('\''));
  symbol.figures = PathDataReader(data, symbol.height).Read();
  if (!WithinReach(PathBounds(symbol.figures))) return std::nullopt;
  return symbol;
}

}  // namespace notch
