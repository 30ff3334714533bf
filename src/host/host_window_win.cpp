#include "host/host_window_win.h"

#include <wtsapi32.h>

#include <memory>

#include "common/app_messages.h"
#include "host/host_links_win.h"
#include "host/host_state.h"
#include "host/hot_keys_win.h"
#include "host/startup_rules.h"

namespace notch {
namespace {

constexpr LPARAM kMouseLeftButtonUp = WM_LBUTTONUP;
constexpr LPARAM kMouseRightButtonUp = WM_RBUTTONUP;

// Explorer broadcasts this when it (re)creates the taskbar.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

void OnDestroy(HWND window) {
  links::ClosePanel();
  UnregisterHotKeys(window);
  links::StopAudio();
  WTSUnRegisterSessionNotification(window);
  links::DeleteTrayIcon(window);
  PostQuitMessage(0);
}

void OnHostTimer() {
  links::CheckFullScreen(Host().session_locked);
  links::OnHostTimerAudio();
}

void OnHotKey(int id) {
  switch (ActionForHotKey(HostWindow().hot_keys, id)) {
    case HotKeyAction::ToggleIsland:
      links::ToggleIsland();
      break;
    case HotKeyAction::OpenQuickSearch:
      links::OpenQuickSearch();
      break;
    case HotKeyAction::None:
      break;
  }
}

void OnNotification(LPARAM lparam) {
  const std::unique_ptr<NotificationBlock> block =
      NotificationHandOff().Receive(static_cast<std::uintptr_t>(lparam), host_message::kNotification);
  if (block) links::ShowNotification(*block);
}

}  // namespace

HostWindowState& HostWindow() {
  static HostWindowState state;
  return state;
}

void RefreshReduceMotion() {
  BOOL animation = TRUE;
  if (SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animation, 0)) Host().reduce_motion = !animation;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
    case WM_WININICHANGE:
      RefreshReduceMotion();
      break;
    case WM_DISPLAYCHANGE:
      links::ApplyIslandSettings();
      return 0;
    case WM_TIMER:
      if (wparam == kHostTimerId) OnHostTimer();
      return 0;
    case WM_WTSSESSION_CHANGE:
      links::CheckFullScreen(ApplySessionChange(static_cast<unsigned>(wparam), Host().session_locked));
      return 0;
    case WM_HOTKEY:
      if (ActionForHotKey(HostWindow().hot_keys, static_cast<int>(wparam)) == HotKeyAction::None) break;
      OnHotKey(static_cast<int>(wparam));
      return 0;
    case host_message::kTrayIcon:
      if (lparam == kMouseLeftButtonUp || lparam == kMouseRightButtonUp) links::OnTrayIconMessage(window, lparam);
      return 0;
    case host_message::kNotification:
      OnNotification(lparam);
      return 0;
    case host_message::kDefaultDeviceChanged:
      links::RebindAudio();
      return 0;
    case host_message::kVolumeChanged:
      links::ReadVolume();
      return 0;
    default:
      if (message == TaskbarCreatedMessage()) links::AddTrayIcon(window);
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterHostWindowClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = HostProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kHostWindowClass;
  return RegisterClassExW(&window_class) != 0;
}

HWND CreateHostWindow(HINSTANCE instance) {
  return CreateWindowExW(WS_EX_TOOLWINDOW, kHostWindowClass, kHostWindowTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         instance, nullptr);
}

}  // namespace notch
