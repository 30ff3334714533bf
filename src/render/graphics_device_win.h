#pragma once
// The process-wide graphics device and the per-window surfaces the island
// draws into: a DirectComposition swap chain where composition exists, or a
// layered window updated from a DIB where it does not.
#include <windows.h>

#include <d2d1_1.h>
#include <d3d11.h>
#include <dcomp.h>
#include <dxgi1_2.h>
#include <wrl/client.h>

#include <cstdint>
#include <span>

namespace notch {

using Microsoft::WRL::ComPtr;

struct GraphicsDevice {
  ComPtr<ID3D11Device> d3d_device;
  ComPtr<IDXGIDevice> dxgi_device;
  ComPtr<ID2D1Factory1> d2d_factory;
  ComPtr<ID2D1Device> d2d_device;
  ComPtr<ID2D1DeviceContext> context;  // present once the device is ready
  ComPtr<IDCompositionDevice> dcomp_device;
};

GraphicsDevice& Graphics();

// Creates the device on the first call; null when no Direct3D device exists.
ID2D1DeviceContext* EnsureGraphicsDevice();

// Whether DirectComposition can show the island (checked once).
bool CompositionAvailable();

// What the island draws into; either kind gives a render target per frame.
class IslandSurface {
 public:
  virtual ~IslandSurface() = default;
  // A render target ready to draw in DIPs, or null to skip the frame.
  virtual ID2D1RenderTarget* BeginFrame(int width_px, int height_px, float scale) = 0;
  virtual void EndFrame() = 0;
  virtual void Release() = 0;
};

class CompositionSurface final : public IslandSurface {
 public:
  explicit CompositionSurface(HWND window) : hwnd_(window) {}
  ID2D1RenderTarget* BeginFrame(int width_px, int height_px, float scale) override;
  void EndFrame() override;
  void Release() override;

 private:
  bool Create(ID2D1DeviceContext* context, int width, int height);
  void BuildTargetBitmap(ID2D1DeviceContext* context);

  HWND hwnd_;
  ComPtr<IDXGISwapChain1> swap_chain_;
  ComPtr<IDCompositionTarget> target_;
  ComPtr<IDCompositionVisual> visual_;
  ComPtr<ID2D1Bitmap1> target_bitmap_;
  int width_px_ = 0;
  int height_px_ = 0;
};

// Premultiplied BGRA pixels, rows of width * 4 bytes, as a bitmap of
// `target`; null when the size is 0 or the buffer is too short.
ComPtr<ID2D1Bitmap> CreateBitmapFromPixels(ID2D1RenderTarget* target, int width, int height,
                                           std::span<const std::uint8_t> pixels);

// Gives back the GPU memory an animation used, and compacts the heap.
void TrimGraphicsMemory();

float WindowScale(HWND window);

// The HRESULT as the log lines show it.
void LogGraphicsError(const wchar_t* what, HRESULT result);

}  // namespace notch
