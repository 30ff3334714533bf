#pragma once
// Helpers shared by the Windows tests.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace notch::testing {

// The folder holding notch_win_tests.exe (and TemboNotch.exe beside it).
inline std::wstring TestExecutableFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\'));
}

inline std::wstring TestDataPath(const std::wstring& relative) {
  return std::wstring(NOTCH_TEST_DATA_DIR) + L"\\" + relative;
}

// Wine's ntdll exports its version; Windows' does not.
inline bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// "running" or "none" from the sound server's state file
// (tests/win/sound_server.py); nothing when the tests run without
// NOTCH_SOUND_SERVER.
inline std::optional<std::string> SoundServerState() {
  const char* folder = std::getenv("NOTCH_SOUND_SERVER");
  if (folder == nullptr || *folder == '\0') return std::nullopt;
  if (std::string(folder) == "none") return "none";
  std::ifstream file(std::string(folder) + "\\state");
  std::string state;
  file >> state;
  return state.empty() ? "none" : state;
}

}  // namespace notch::testing
