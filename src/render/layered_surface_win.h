#pragma once
// The island's surface where DirectComposition is missing: Direct2D draws
// into a 32-bit premultiplied DIB through a DC render target, and each frame
// reaches the screen with UpdateLayeredWindow.
#include <windows.h>

#include "render/graphics_device_win.h"

namespace notch {

class LayeredSurface final : public IslandSurface {
 public:
  explicit LayeredSurface(HWND window) : hwnd_(window) {}
  ~LayeredSurface() override;
  LayeredSurface(const LayeredSurface&) = delete;
  LayeredSurface& operator=(const LayeredSurface&) = delete;

  // A layered window shows exactly its bitmap, so every frame covers the
  // whole window whatever size is asked for.
  ID2D1RenderTarget* BeginFrame(int width_px, int height_px, float scale) override;
  void EndFrame() override;
  void Release() override;

 private:
  bool Allocate(int width, int height);

  HWND hwnd_;
  HDC memory_dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_bitmap_ = nullptr;
  int width_px_ = 0;
  int height_px_ = 0;
  ComPtr<ID2D1DCRenderTarget> target_;
};

}  // namespace notch
