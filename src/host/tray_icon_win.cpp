// The notification-area icon: the program's only permanent visible handle.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

#include "common/app_messages.h"
#include "host/host_links_win.h"
#include "host/tray_menu_win.h"

namespace notch::links {
namespace {

constexpr UINT kTrayIconId = 1;
constexpr wchar_t kTrayTip[] = L"Tembo Notch";

NOTIFYICONDATAW TrayIconData(HWND host) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = host;
  data.uID = kTrayIconId;
  return data;
}

}  // namespace

void AddTrayIcon(HWND host) {
  NOTIFYICONDATAW data = TrayIconData(host);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = host_message::kTrayIcon;
  data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  std::wcsncpy(data.szTip, kTrayTip, std::size(data.szTip) - 1);
  Shell_NotifyIconW(NIM_ADD, &data);
}

void DeleteTrayIcon(HWND host) {
  NOTIFYICONDATAW data = TrayIconData(host);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

void OnTrayIconMessage(HWND host, LPARAM) { ShowTrayMenu(host, TrayMenuVariant::Full); }

}  // namespace notch::links
