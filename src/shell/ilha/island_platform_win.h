#pragma once
// The island's platform on a real window.
#include <windows.h>

#include <memory>
#include <optional>

#include "render/d2d_canvas_win.h"
#include "render/graphics_device_win.h"
#include "shell/ilha/island_ports.h"

namespace notch {

class WindowsIslandPlatform final : public IslandPlatform {
 public:
  // `layered`: the window is a layered window presented from a DIB.
  WindowsIslandPlatform(HWND window, bool layered);

  const Clock& clock() const override;
  void SetTimer(unsigned id, unsigned ms) override;
  void KillTimer(unsigned id) override;
  void ShowWindow() override;
  void HideWindow() override;
  void AssertTopmost() override;
  void PlaceWindow(const PixelRect& rect, bool shown) override;
  void SetRegion(const PixelRect& rect) override;
  MonitorInfo PrimaryMonitor() const override;
  unsigned WindowDpi() const override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  bool HasMouseCapture() const override;
  void TrackMouseLeave() override;
  ScreenPoint CursorPosition() const override;
  bool CursorOverIsland() const override;
  ScreenPoint WindowOrigin() const override;
  bool CapsLockOn() const override;
  std::optional<PowerReading> ReadPowerStatus() const override;
  void PlayTimerDoneSound() override;
  void PostMediaRecheck() override;
  bool SystemReportsFullScreen() const override;
  void WalkTopLevelWindows(const std::function<bool(const TopLevelWindowFacts&)>& visit) const override;
  void SetFrameClock(bool on) override;
  Canvas* BeginFrame(int width_px, int height_px, float scale) override;
  void EndFrame() override;
  void ReleaseSurface() override;
  void TrimGraphicsMemory() override;

 private:
  HWND window_;
  std::unique_ptr<IslandSurface> surface_;
  std::optional<D2DCanvas> canvas_;
};

}  // namespace notch
