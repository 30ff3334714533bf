#pragma once
// The island's pictograms by name ("music.note", "speaker.wave.2.fill"):
// drawn from <name>.svg in the symbols folder when there is one, otherwise as
// a glyph of the icon font.
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "render/canvas.h"
#include "render/path_cache.h"
#include "render/svg_subset.h"

namespace notch {

// The icon-font code point of a symbol name (names are exact); nothing for
// a name the table does not hold.
std::optional<char16_t> SymbolCodePoint(std::wstring_view name);

// The transform that fits `bounds` (SVG units) into `rect`, keeping its
// aspect and centring it.
Transform SvgPlacement(const RectF& bounds, const RectF& rect);

// The glyph's layout box: 20 wide and 18 high, centred on `rect`.
RectF SymbolGlyphBox(const RectF& rect);

class Symbols {
 public:
  // `folder`: where the .svg files are; empty for none.
  explicit Symbols(std::wstring folder) : folder_(std::move(folder)) {}

  // `icon_format`: the icon font's format for symbol glyphs. An unknown name
  // without a file draws nothing.
  void DrawSymbol(Canvas& canvas, std::wstring_view name, const RectF& rect, Colour colour,
                  const TextFormat& icon_format);
  // True when the name's file was read and drawn.
  bool DrawSvgSymbol(Canvas& canvas, std::wstring_view name, const RectF& rect, Colour colour);
  // The name's file as read the first time it was asked for; a missing or
  // unreadable file stays missing until the program restarts.
  const SvgSymbol* LoadSvg(std::wstring_view name);

 private:
  std::wstring folder_;
  std::map<std::wstring, std::optional<SvgSymbol>, std::less<>> files_;
  PathCache<wchar_t> geometry_;
};

}  // namespace notch
