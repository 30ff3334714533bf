#pragma once
// Reading the string values Quick Search takes from the registry.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace notch::quick {

// The names of the key's subkeys; none when the key is absent.
std::vector<std::wstring> RegistrySubkeys(HKEY root, const std::wstring& path);

// The key's default value when it is a string (an expandable one expanded).
std::optional<std::wstring> RegistryDefaultString(HKEY root, const std::wstring& path);

}  // namespace notch::quick
