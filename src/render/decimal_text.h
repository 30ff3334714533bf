#pragma once
// Decimal numbers in the icon readers' text: an optional sign, digits with an
// optional fraction and exponent, read the same in every locale.
#include <cstddef>
#include <optional>
#include <string_view>

namespace notch {

// The number that starts at `pos`, moving `pos` past it. Nothing (and `pos`
// unchanged) when no number starts there or it does not fit a finite float.
std::optional<float> ReadDecimal(std::string_view text, std::size_t& pos);

}  // namespace notch
