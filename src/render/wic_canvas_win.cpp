#include "render/wic_canvas_win.h"

#include <d2d1helper.h>

namespace notch {

using Microsoft::WRL::ComPtr;

ComPtr<IWICImagingFactory> WicFactory() {
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
    factory.Reset();
  }
  return factory;
}

WicCanvas::WicCanvas(ID2D1Factory* factory, ComPtr<IWICBitmap> bitmap, ComPtr<ID2D1RenderTarget> target, int width,
                     int height, Direct2DImplementation implementation)
    : bitmap_(std::move(bitmap)),
      target_(std::move(target)),
      canvas_(factory, target_.Get(), implementation),
      width_(width),
      height_(height) {}

std::optional<WicCanvas> WicCanvas::Create(ID2D1Factory* factory, int width, int height,
                                           Direct2DImplementation implementation) {
  const ComPtr<IWICImagingFactory> wic = WicFactory();
  if (!wic || factory == nullptr || width <= 0 || height <= 0) return std::nullopt;
  ComPtr<IWICBitmap> bitmap;
  if (FAILED(wic->CreateBitmap(static_cast<UINT>(width), static_cast<UINT>(height), GUID_WICPixelFormat32bppPBGRA,
                               WICBitmapCacheOnLoad, &bitmap))) {
    return std::nullopt;
  }
  const D2D1_RENDER_TARGET_PROPERTIES properties = D2D1::RenderTargetProperties(
      D2D1_RENDER_TARGET_TYPE_SOFTWARE, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED),
      96.0f, 96.0f);
  ComPtr<ID2D1RenderTarget> target;
  if (FAILED(factory->CreateWicBitmapRenderTarget(bitmap.Get(), &properties, &target))) return std::nullopt;
  target->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE);
  return WicCanvas(factory, std::move(bitmap), std::move(target), width, height, implementation);
}

Canvas& WicCanvas::Begin() {
  target_->BeginDraw();
  target_->SetTransform(D2D1::Matrix3x2F::Identity());
  target_->Clear(D2D1::ColorF(0.0f, 0.0f, 0.0f, 0.0f));
  return canvas_;
}

bool WicCanvas::End() { return SUCCEEDED(target_->EndDraw()); }

std::vector<std::uint8_t> WicCanvas::Pixels() const {
  const UINT stride = static_cast<UINT>(width_) * 4;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height_));
  if (FAILED(bitmap_->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()))) pixels.clear();
  return pixels;
}

}  // namespace notch
