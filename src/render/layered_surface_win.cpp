#include "render/layered_surface_win.h"

#include "common/debug_log.h"

namespace notch {

LayeredSurface::~LayeredSurface() { Release(); }

bool LayeredSurface::Allocate(int width, int height) {
  Release();
  const HDC screen = GetDC(nullptr);
  memory_dc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (memory_dc_ == nullptr) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dib_ = CreateDIBSection(memory_dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib_ == nullptr) {
    Release();
    return false;
  }
  previous_bitmap_ = SelectObject(memory_dc_, dib_);

  ID2D1Factory1* factory = Graphics().d2d_factory.Get();
  const D2D1_RENDER_TARGET_PROPERTIES properties = D2D1::RenderTargetProperties(
      D2D1_RENDER_TARGET_TYPE_DEFAULT, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED));
  const HRESULT hr = factory->CreateDCRenderTarget(&properties, &target_);
  if (FAILED(hr)) {
    LogGraphicsError(L"DC render target", hr);
    Release();
    return false;
  }
  target_->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE);
  width_px_ = width;
  height_px_ = height;
  return true;
}

ID2D1RenderTarget* LayeredSurface::BeginFrame(int, int, float scale) {
  if (EnsureGraphicsDevice() == nullptr) return nullptr;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right > 0 ? client.right : 1;
  const int height = client.bottom > 0 ? client.bottom : 1;
  if ((!target_ || width != width_px_ || height != height_px_) && !Allocate(width, height)) return nullptr;

  const RECT bounds{0, 0, width, height};
  if (FAILED(target_->BindDC(memory_dc_, &bounds))) return nullptr;
  target_->SetDpi(96.0f * scale, 96.0f * scale);
  target_->BeginDraw();
  target_->SetTransform(D2D1::Matrix3x2F::Identity());
  target_->Clear(D2D1::ColorF(0.0f, 0.0f, 0.0f, 0.0f));
  return target_.Get();
}

void LayeredSurface::EndFrame() {
  const HRESULT hr = target_->EndDraw();
  if (FAILED(hr)) LogGraphicsError(L"EndDraw", hr);
  SIZE size{width_px_, height_px_};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(hwnd_, nullptr, nullptr, &size, memory_dc_, &origin, 0, &blend, ULW_ALPHA);
}

void LayeredSurface::Release() {
  target_.Reset();
  if (memory_dc_ != nullptr) {
    if (previous_bitmap_ != nullptr) SelectObject(memory_dc_, previous_bitmap_);
    DeleteDC(memory_dc_);
  }
  if (dib_ != nullptr) DeleteObject(dib_);
  memory_dc_ = nullptr;
  dib_ = nullptr;
  previous_bitmap_ = nullptr;
  width_px_ = height_px_ = 0;
}

}  // namespace notch
