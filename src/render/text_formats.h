#pragma once
// The island's text formats: how one is made from a size, weight and
// alignment, and the named set the activities draw with, which is made again
// whenever the colour theme changes.
#include <array>
#include <cstddef>
#include <string_view>

#include "host/settings.h"
#include "render/fonts.h"
#include "render/text_format.h"

namespace notch {

// A format in the text font (with an ellipsis) or the icon font. Leopard
// sets text in "Lucida Sans Unicode", half a point smaller and bolder, when
// that family is installed.
TextFormat MakeTextFormat(const FontSet& fonts, Theme theme, float size, int weight, TextAlignment alignment,
                          bool icon);

// A leading-aligned format in `family`, or in the text font when the family
// is not installed.
TextFormat MakeTextFormatFor(const FontSet& fonts, std::wstring_view family, float size, int weight);

enum class TextRole : std::size_t {
  Title,          // media title, notice title
  Secondary,      // artist, clipboard rows, notice subtitle
  SmallLeading,   // elapsed time, lyrics credit, tile labels
  SmallTrailing,  // remaining time
  SmallCentred,   // empty-state texts, file names
  Lyric,          // lyric lines in the card, lyric width measuring
  LyricCentred,   // lyric line in the pill
  BoldLeading,
  BoldTrailing,  // HUD texts, pill countdown
  Big,           // timer countdown
  Value,         // statistics values
  Button,        // timer presets
  Icon14,
  Icon12,  // symbol glyphs, card buttons, page tabs
  Icon20,  // empty-state glyphs
};
inline constexpr std::size_t kTextRoleCount = 15;

class IslandTextFormats {
 public:
  IslandTextFormats() = default;
  IslandTextFormats(const FontSet& fonts, Theme theme);

  const TextFormat& operator[](TextRole role) const { return formats_[static_cast<std::size_t>(role)]; }

 private:
  std::array<TextFormat, kTextRoleCount> formats_;
};

}  // namespace notch
