#pragma once
// The rules of the custom auto-hide delay dialog.
#include <optional>
#include <string_view>

namespace notch {

inline constexpr int kCustomDelayMaxChars = 4;

// The dialog shows the current delay, or 10 seconds while auto-hide is off.
int CustomDelayInitialValue(int current_seconds);

// A whole number of seconds from 1 to 3600; nothing for anything else.
std::optional<int> ParseCustomDelay(std::wstring_view text);

}  // namespace notch
