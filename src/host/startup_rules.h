#pragma once
// The small decisions of start-up, apart from the Windows calls that feed them.
#include <optional>
#include <string>
#include <string_view>

namespace notch {

// Size of the buffers start-up reads the executable path and the symbols
// variable into; a result must be 1..kStartupPathChars - 1 characters long.
inline constexpr std::size_t kStartupPathChars = 32768;

// The folder of the executable: the path cut at its last backslash (which is
// not kept); empty when the path length is outside the buffer's range.
std::wstring ExecutableFolderFromPath(std::wstring_view path);

// The symbols override: the variable's value when it is 1..32767 characters.
std::wstring SymbolsFolderFromVariable(const std::optional<std::wstring>& value);

// WTS session codes; returns whether the full-screen check runs with the
// forced-hidden argument, after updating `locked`.
inline constexpr unsigned kSessionLock = 7;
inline constexpr unsigned kSessionUnlock = 8;
bool ApplySessionChange(unsigned code, bool& locked);

}  // namespace notch
