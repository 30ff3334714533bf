#pragma once
// Reading the process environment as wide text.
#include <optional>
#include <string>
#include <string_view>

namespace notch {

// The variable's value, or nothing when it is not set.
std::optional<std::wstring> ReadEnvironmentVariable(std::wstring_view name);

}  // namespace notch
