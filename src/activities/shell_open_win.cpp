#include "activities/shell_open_win.h"

#include <windows.h>

#include <shellapi.h>

namespace notch {

void ShellOpen(const std::wstring& path) {
  ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring ExplorerSelectParameters(const std::wstring& path) { return L"/select,\"" + path + L"\""; }

void RevealInExplorer(const std::wstring& path) {
  const std::wstring parameters = ExplorerSelectParameters(path);
  ShellExecuteW(nullptr, L"open", L"explorer.exe", parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace notch
