#include "host/start_with_windows_win.h"

#include <string>

#include "host/startup_win.h"

namespace notch {

std::optional<std::size_t> WindowsRunKey::ValueBytes() const {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKeyPath, kRunValueName, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return bytes;
}

bool WindowsRunKey::Write(std::wstring_view text) {
  const std::wstring data(text);
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, kRunValueName, REG_SZ, data.c_str(), bytes) == ERROR_SUCCESS;
}

bool WindowsRunKey::Delete() {
  const LSTATUS result = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, kRunValueName);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND;
}

bool StartWithWindowsEnabled() { return StartWithWindowsEnabled(WindowsRunKey()); }

bool SetStartWithWindows(bool on) {
  WindowsRunKey run_key;
  return SetStartWithWindows(run_key, on, ExecutablePath());
}

}  // namespace notch
