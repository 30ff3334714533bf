#pragma once
// TTML time expressions of "begin" and "end": "1500ms", "62.25s", "1:02.5",
// "00:01:02.250" and bare seconds such as "1.078".
#include <cstdint>
#include <optional>
#include <string_view>

namespace notch::lyrics {

// Milliseconds, or nothing when the expression is malformed or above a day.
std::optional<std::int32_t> ReadTtmlTime(std::string_view expression);

}  // namespace notch::lyrics
