#include "activities/source_app_win.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "activities/source_app.h"

namespace notch {
namespace {

std::wstring ImagePathOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  std::wstring image;
  if (QueryFullProcessImageNameW(process, 0, path, &length)) image.assign(path, length);
  CloseHandle(process);
  return image;
}

}  // namespace

void ActivateSourceApp(const std::wstring& app_id) {
  if (app_id.empty()) return;
  if (IsExecutableAppId(app_id)) {
    std::vector<HWND> handles;
    std::vector<AppWindowFacts> windows;
    for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
      const bool visible = IsWindowVisible(window) != 0;
      const bool owned = GetWindow(window, GW_OWNER) != nullptr;
      handles.push_back(window);
      windows.push_back({visible, owned, visible && !owned ? ImagePathOf(window) : std::wstring()});
    }
    if (const auto found = FindSourceWindow(windows, app_id)) {
      const HWND window = handles[*found];
      if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
        if (IsIconic(window)) PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      }
      SetForegroundWindow(window);
      return;
    }
  }
  const std::wstring target = L"shell:AppsFolder\\" + app_id;
  ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace notch
