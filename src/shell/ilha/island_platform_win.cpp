#include "shell/ilha/island_platform_win.h"

#include <dwmapi.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shellscalingapi.h>

#include "common/app_messages.h"
#include "host/system_sources_win.h"
#include "render/frame_clock_win.h"
#include "render/layered_surface_win.h"

namespace notch {

WindowsIslandPlatform::WindowsIslandPlatform(HWND window, bool layered) : window_(window) {
  if (layered) {
    surface_ = std::make_unique<LayeredSurface>(window);
  } else {
    surface_ = std::make_unique<CompositionSurface>(window);
  }
}

const Clock& WindowsIslandPlatform::clock() const { return SystemClock(); }

void WindowsIslandPlatform::SetTimer(unsigned id, unsigned ms) { ::SetTimer(window_, id, ms, nullptr); }

void WindowsIslandPlatform::KillTimer(unsigned id) { ::KillTimer(window_, id); }

void WindowsIslandPlatform::ShowWindow() { ::ShowWindow(window_, SW_SHOWNOACTIVATE); }

void WindowsIslandPlatform::HideWindow() { ::ShowWindow(window_, SW_HIDE); }

void WindowsIslandPlatform::AssertTopmost() {
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowsIslandPlatform::PlaceWindow(const PixelRect& rect, bool shown) {
  SetWindowPos(window_, HWND_TOPMOST, rect.left, rect.top, rect.width(), rect.height(),
               SWP_NOACTIVATE | (shown ? 0 : SWP_NOREDRAW));
}

void WindowsIslandPlatform::SetRegion(const PixelRect& rect) {
  const HRGN region = rect.empty() ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
  if (region != nullptr && SetWindowRgn(window_, region, FALSE) == 0) DeleteObject(region);  // the window owns it otherwise
}

MonitorInfo WindowsIslandPlatform::PrimaryMonitor() const {
  MonitorInfo info;
  const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO details{};
  details.cbSize = sizeof details;
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &details)) return info;
  info.rect = {details.rcMonitor.left, details.rcMonitor.top, details.rcMonitor.right, details.rcMonitor.bottom};
  UINT dpi_x = 0, dpi_y = 0;
  info.dpi = SUCCEEDED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y)) && dpi_x != 0 ? dpi_x
                                                                                                   : GetDpiForSystem();
  return info;
}

unsigned WindowsIslandPlatform::WindowDpi() const { return GetDpiForWindow(window_); }

void WindowsIslandPlatform::CaptureMouse() { SetCapture(window_); }

void WindowsIslandPlatform::ReleaseMouse() {
  if (GetCapture() == window_) ReleaseCapture();
}

bool WindowsIslandPlatform::HasMouseCapture() const { return GetCapture() == window_; }

void WindowsIslandPlatform::TrackMouseLeave() {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window_;
  TrackMouseEvent(&track);
}

ScreenPoint WindowsIslandPlatform::CursorPosition() const {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

bool WindowsIslandPlatform::CursorOverIsland() const {
  POINT point{};
  return GetCursorPos(&point) && WindowFromPoint(point) == window_;
}

ScreenPoint WindowsIslandPlatform::WindowOrigin() const {
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  return {origin.x, origin.y};
}

bool WindowsIslandPlatform::CapsLockOn() const { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

std::optional<PowerReading> WindowsIslandPlatform::ReadPowerStatus() const { return ReadSystemPowerStatus(); }

void WindowsIslandPlatform::PlayTimerDoneSound() {
  PlaySoundW(L"SystemNotification", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

void WindowsIslandPlatform::PostMediaRecheck() { PostMessageW(window_, island_message::kMediaUpdate, 1, 0); }

bool WindowsIslandPlatform::SystemReportsFullScreen() const {
  QUERY_USER_NOTIFICATION_STATE state{};
  return SUCCEEDED(SHQueryUserNotificationState(&state)) &&
         (state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE);
}

void WindowsIslandPlatform::WalkTopLevelWindows(const std::function<bool(const TopLevelWindowFacts&)>& visit) const {
  const DWORD own_process = GetCurrentProcessId();
  wchar_t class_name[64];
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    TopLevelWindowFacts facts;
    facts.visible = IsWindowVisible(window) != 0;
    facts.minimised = IsIconic(window) != 0;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    facts.own_process = process == own_process;
    DWORD cloaked = 0;
    facts.cloaked =
        SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked != 0;
    const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    facts.input_transparent = (ex_style & WS_EX_TRANSPARENT) != 0;
    RECT rect{};
    facts.has_rect = GetWindowRect(window, &rect) != 0;
    facts.rect = {rect.left, rect.top, rect.right, rect.bottom};
    const int length = GetClassNameW(window, class_name, 64);
    facts.class_name = std::wstring_view(class_name, length > 0 ? static_cast<std::size_t>(length) : 0);
    facts.maximised = IsZoomed(window) != 0;
    facts.has_caption = (style & WS_CAPTION) == WS_CAPTION;
    if (!visit(facts)) return;
  }
}

void WindowsIslandPlatform::SetFrameClock(bool on) { notch::SetFrameClock(window_, island_message::kFrame, on); }

Canvas* WindowsIslandPlatform::BeginFrame(int width_px, int height_px, float scale) {
  ID2D1RenderTarget* target = surface_->BeginFrame(width_px, height_px, scale);
  if (target == nullptr) return nullptr;
  // The canvas keeps its stroke style for as long as the target lives.
  if (!canvas_ || canvas_->target() != target) canvas_.emplace(Graphics().d2d_factory.Get(), target, RunningDirect2D());
  return &*canvas_;
}

void WindowsIslandPlatform::EndFrame() { surface_->EndFrame(); }

void WindowsIslandPlatform::ReleaseSurface() { surface_->Release(); }

void WindowsIslandPlatform::TrimGraphicsMemory() { notch::TrimGraphicsMemory(); }

}  // namespace notch
