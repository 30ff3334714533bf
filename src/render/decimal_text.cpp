#include "render/decimal_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace notch {

std::optional<float> ReadDecimal(std::string_view text, std::size_t& pos) {
  std::size_t at = pos;
  // from_chars takes a minus sign but not a plus sign.
  if (at < text.size() && text[at] == '+') {
    ++at;
    if (at < text.size() && text[at] == '-') return std::nullopt;
  }
  if (at >= text.size()) return std::nullopt;
  // Only digits and points start a number: from_chars would also read "inf"
  // and "nan".
  const char first = text[at] == '-' && at + 1 < text.size() ? text[at + 1] : text[at];
  if (!((first >= '0' && first <= '9') || first == '.')) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
  pos = static_cast<std::size_t>(end - text.data());
  return static_cast<float>(value);
}

}  // namespace notch
