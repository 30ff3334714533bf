#include <windows.h>

#include <vector>

#include "common/environment.h"

namespace notch {

std::optional<std::wstring> ReadEnvironmentVariable(std::wstring_view name) {
  const std::wstring key(name);
  SetLastError(ERROR_SUCCESS);
  const DWORD needed = GetEnvironmentVariableW(key.c_str(), nullptr, 0);
  if (needed == 0) {
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::wstring();
  }
  std::vector<wchar_t> buffer(needed, L'\0');
  const DWORD length = GetEnvironmentVariableW(key.c_str(), buffer.data(), needed);
  if (length == 0 || length >= needed) return std::wstring();
  return std::wstring(buffer.data(), length);
}

}  // namespace notch
