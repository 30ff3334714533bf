#pragma once
// How a text is set: family, size, weight, alignment and trimming. Painting
// code passes these values to the canvas, which keeps one platform format
// per distinct value. Every text is a single line, vertically centred in its
// box, in the locale kTextLocale.
#include <compare>
#include <string>

namespace notch {

inline constexpr wchar_t kTextLocale[] = L"pt-br";

enum class TextAlignment { Leading, Trailing, Centre };

struct TextFormat {
  std::wstring family;
  float size = 12.0f;  // DIPs
  int weight = 400;
  TextAlignment alignment = TextAlignment::Leading;
  bool ellipsis = false;  // a text too long for its box ends in "…"

  friend auto operator<=>(const TextFormat&, const TextFormat&) = default;
};

}  // namespace notch
