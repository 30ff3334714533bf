#pragma once
// The digit rules the time formats share, for narrow and wide text alike.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace notch::lyrics {

template <typename Char>
bool AllDigits(std::basic_string_view<Char> text) {
  for (const Char c : text) {
    if (c < Char('0') || c > Char('9')) return false;
  }
  return true;
}

// The value of `text` when it is 1 to `max_digits` ASCII digits (at most 18,
// so that the value fits).
template <typename Char>
std::optional<std::int64_t> ReadDigits(std::basic_string_view<Char> text, std::size_t max_digits) {
  if (text.empty() || text.size() > max_digits || !AllDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  for (const Char c : text) value = value * 10 + (c - Char('0'));
  return value;
}

// Milliseconds of a fraction's digits: the first counts tenths, the second
// hundredths, the third thousandths; later ones are below a millisecond.
template <typename Char>
std::int32_t FractionMs(std::basic_string_view<Char> digits) {
  std::int32_t ms = 0;
  std::int32_t weight = 100;
  for (std::size_t i = 0; i < digits.size() && i < 3; ++i, weight /= 10) ms += (digits[i] - Char('0')) * weight;
  return ms;
}

}  // namespace notch::lyrics
