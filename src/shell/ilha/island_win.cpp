#include "shell/ilha/island_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <atomic>
#include <memory>
#include <string>

#include "activities/finished_download.h"
#include "activities/island_activity_set_win.h"
#include "activities/media_state.h"
#include "activities/shelf_win.h"
#include "common/app_messages.h"
#include "host/host_links_win.h"
#include "host/host_state.h"
#include "host/notification_listener.h"
#include "host/startup_win.h"
#include "render/frame_clock_win.h"
#include "render/graphics_device_win.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_panel_win.h"
#include "shell/ilha/island_platform_win.h"

namespace notch {
namespace {

std::unique_ptr<WindowsIslandPlatform> g_platform;
std::unique_ptr<Island> g_island;
// Read by the keyboard hook and worker threads.
std::atomic<HWND> g_window{nullptr};
std::atomic<bool> g_enabled{false};

void PublishEnabled() { g_enabled.store(g_island->record().enabled, std::memory_order_release); }

ScreenPoint PointOf(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

void OpenShellTarget(const std::wstring& target) {
  ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT HandleIslandMessage(Island& island, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      island.OnPaint();
      return 0;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_CANCELMODE:
      island.OnCancelMode();
      break;
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      island.OnDisplayChange();
      return 0;
    case WM_TIMER:
      island.OnTimer(static_cast<unsigned>(wparam));
      return 0;
    case WM_MOUSEMOVE:
      island.OnMouseMove(PointOf(lparam), (wparam & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONDOWN:
      island.OnLeftButtonDown(PointOf(lparam));
      return 0;
    case WM_LBUTTONUP:
      island.OnLeftButtonUp(PointOf(lparam));
      return 0;
    case WM_RBUTTONUP:
      island.OnRightButtonUp(PointOf(lparam));
      return 0;
    case WM_MOUSEWHEEL:
      if (island.OnMouseWheel(PointOf(lparam), GET_WHEEL_DELTA_WPARAM(wparam))) return 0;
      break;
    case WM_POWERBROADCAST:
      if (wparam == PBT_APMPOWERSTATUSCHANGE) island.OnPowerStatusChange();
      return TRUE;
    case WM_MOUSELEAVE:
      island.OnMouseLeave();
      return 0;
    case WM_CLIPBOARDUPDATE:
      island.OnClipboardUpdate();
      return 0;
    case island_message::kFrame:
      AcknowledgeFrame(window, island_message::kFrame);
      island.OnFrame();
      return 0;
    case island_message::kMediaUpdate:
      island.OnMediaUpdate(wparam == 1);
      return 0;
    case island_message::kCapsLock:
      island.OnCapsLockPressed();
      return 0;
    case island_message::kPrivacy:
      island.OnPrivacyChange(static_cast<std::uint32_t>(wparam));
      return 0;
    case island_message::kDownload: {
      const std::unique_ptr<std::wstring> path =
          DownloadHandOff().Receive(static_cast<std::uintptr_t>(lparam), island_message::kDownload);
      if (path) island.OnDownloadFinished(*path);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

Island* TheIsland() { return g_island.get(); }

bool RegisterIslandWindowClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kIslandWindowClass;
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateIslandWindow(HINSTANCE instance, bool layered) {
  const DWORD surface_style = layered ? WS_EX_LAYERED : WS_EX_NOREDIRECTIONBITMAP;
  return CreateWindowExW(WS_EX_NOACTIVATE | surface_style | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kIslandWindowClass,
                         kIslandWindowTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
}

void AttachIsland(HWND window, Island* island) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(island));
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* island = reinterpret_cast<Island*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (island == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return HandleIslandMessage(*island, window, message, wparam, lparam);
}

namespace links {

bool CreateIsland(HINSTANCE instance) {
  if (!RegisterIslandWindowClass(instance)) return false;
  // Without DirectComposition the island is a layered window presented from
  // a bitmap; otherwise it would never be seen.
  const bool layered = !CompositionAvailable();
  const HWND window = CreateIslandWindow(instance, layered);
  if (window == nullptr) return false;

  g_platform = std::make_unique<WindowsIslandPlatform>(window, layered);
  g_island = std::make_unique<Island>(*g_platform, WindowsIslandPanel(), WindowsIslandActivities(), AppSettings(),
                                      Host(), SharedMediaState());
  AttachIsland(window, g_island.get());
  g_window.store(window, std::memory_order_release);
  LoadShelf();
  RegisterShelfDropTarget(window);
  g_island->Start();
  CreateQuickControlsPanel(window);
  PublishEnabled();
  return true;
}

HWND IslandWindow() { return g_window.load(std::memory_order_acquire); }

bool IslandEnabled() { return g_enabled.load(std::memory_order_acquire); }

void ToggleIsland() {
  if (g_island) g_island->Toggle();
}

void OpenQuickSearch() {
  if (g_island) g_island->OpenQuickSearch();
}

void OpenQuickControls() {
  if (g_island) g_island->OpenQuickControls();
}

void ApplyIslandSettings() {
  if (!g_island) return;
  g_island->ApplySettings();
  PublishEnabled();
}

int IslandAutoHideSeconds() { return g_island ? g_island->record().auto_hide_seconds : 0; }

void CheckFullScreen(bool forced_hidden) {
  if (g_island) g_island->CheckFullScreen(forced_hidden);
}

void ShowNotification(const NotificationBlock& notification) {
  if (!g_island) return;
  g_island->ShowNotification(
      notification.strings[NotificationBlock::kAppName], notification.strings[NotificationBlock::kTitle],
      notification.strings[NotificationBlock::kBody],
      NotificationClickAction(notification.strings[NotificationBlock::kAppUserModelId], OpenShellTarget));
}

}  // namespace links
}  // namespace notch
