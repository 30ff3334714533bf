#include "render/graphics_device_win.h"

#include <dxgi1_3.h>
#include <malloc.h>

#include "common/debug_log.h"

namespace notch {

void LogGraphicsError(const wchar_t* what, HRESULT result) {
  DebugLog(L"erro: %ls 0x%08X", what, static_cast<unsigned>(result));
}

GraphicsDevice& Graphics() {
  static GraphicsDevice device;
  return device;
}

ID2D1DeviceContext* EnsureGraphicsDevice() {
  GraphicsDevice& g = Graphics();
  if (g.context) return g.context.Get();

  // The software rasteriser first: the island is small and WARP keeps the
  // discrete GPU asleep.
  ComPtr<ID3D11Device> d3d;
  HRESULT hr = D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_WARP, nullptr, D3D11_CREATE_DEVICE_BGRA_SUPPORT, nullptr,
                                 0, D3D11_SDK_VERSION, &d3d, nullptr, nullptr);
  if (FAILED(hr)) {
    hr = D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, D3D11_CREATE_DEVICE_BGRA_SUPPORT, nullptr, 0,
                           D3D11_SDK_VERSION, &d3d, nullptr, nullptr);
  }
  if (FAILED(hr)) {
    LogGraphicsError(L"D3D11", hr);
    return nullptr;
  }
  ComPtr<IDXGIDevice> dxgi;
  if (FAILED(d3d.As(&dxgi))) return nullptr;
  ComPtr<ID3D10Multithread> multithread;
  if (SUCCEEDED(d3d.As(&multithread))) multithread->SetMultithreadProtected(TRUE);

  ComPtr<ID2D1Factory1> factory;
  if (FAILED(D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory1), nullptr,
                               reinterpret_cast<void**>(factory.GetAddressOf())))) {
    return nullptr;
  }
  ComPtr<ID2D1Device> d2d_device;
  if (FAILED(factory->CreateDevice(dxgi.Get(), &d2d_device))) return nullptr;
  ComPtr<ID2D1DeviceContext> context;
  if (FAILED(d2d_device->CreateDeviceContext(D2D1_DEVICE_CONTEXT_OPTIONS_NONE, &context))) return nullptr;
  context->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE);

  ComPtr<IDCompositionDevice> dcomp;
  if (FAILED(DCompositionCreateDevice(dxgi.Get(), __uuidof(IDCompositionDevice),
                                      reinterpret_cast<void**>(dcomp.GetAddressOf())))) {
    dcomp.Reset();
  }

  g.d3d_device = d3d;
  g.dxgi_device = dxgi;
  g.d2d_factory = factory;
  g.d2d_device = d2d_device;
  g.dcomp_device = dcomp;
  g.context = context;
  return g.context.Get();
}

bool CompositionAvailable() {
  static const bool available = EnsureGraphicsDevice() != nullptr && Graphics().dcomp_device != nullptr;
  return available;
}

bool CompositionSurface::Create(ID2D1DeviceContext* context, int width, int height) {
  GraphicsDevice& g = Graphics();
  ComPtr<IDXGIFactory2> factory;
  if (FAILED(CreateDXGIFactory2(0, __uuidof(IDXGIFactory2), reinterpret_cast<void**>(factory.GetAddressOf())))) {
    return false;
  }
  DXGI_SWAP_CHAIN_DESC1 desc{};
  desc.Width = static_cast<UINT>(width);
  desc.Height = static_cast<UINT>(height);
  desc.Format = DXGI_FORMAT_B8G8R8A8_UNORM;
  desc.SampleDesc.Count = 1;
  desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
  desc.BufferCount = 2;
  desc.Scaling = DXGI_SCALING_STRETCH;
  desc.SwapEffect = DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL;
  desc.AlphaMode = DXGI_ALPHA_MODE_PREMULTIPLIED;
  const HRESULT hr = factory->CreateSwapChainForComposition(g.d3d_device.Get(), &desc, nullptr, &swap_chain_);
  factory.Reset();
  if (FAILED(hr) || !g.dcomp_device) {
    LogGraphicsError(L"swap chain", FAILED(hr) ? hr : E_NOINTERFACE);
    swap_chain_.Reset();
    return false;
  }
  if (FAILED(g.dcomp_device->CreateTargetForHwnd(hwnd_, TRUE, &target_)) ||
      FAILED(g.dcomp_device->CreateVisual(&visual_))) {
    Release();
    return false;
  }
  visual_->SetContent(swap_chain_.Get());
  target_->SetRoot(visual_.Get());
  g.dcomp_device->Commit();
  width_px_ = width;
  height_px_ = height;
  BuildTargetBitmap(context);
  return true;
}

void CompositionSurface::BuildTargetBitmap(ID2D1DeviceContext* context) {
  ComPtr<IDXGISurface> buffer;
  if (FAILED(swap_chain_->GetBuffer(0, __uuidof(IDXGISurface), reinterpret_cast<void**>(buffer.GetAddressOf())))) {
    return;
  }
  const D2D1_BITMAP_PROPERTIES1 properties = D2D1::BitmapProperties1(
      D2D1_BITMAP_OPTIONS_TARGET | D2D1_BITMAP_OPTIONS_CANNOT_DRAW,
      D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.0f, 96.0f);
  context->CreateBitmapFromDxgiSurface(buffer.Get(), &properties, &target_bitmap_);
}

ID2D1RenderTarget* CompositionSurface::BeginFrame(int width_px, int height_px, float scale) {
  ID2D1DeviceContext* context = EnsureGraphicsDevice();
  if (context == nullptr) return nullptr;
  const int width = width_px < 1 ? 1 : width_px;
  const int height = height_px < 1 ? 1 : height_px;
  if (!swap_chain_) {
    if (!Create(context, width, height)) return nullptr;
  } else if (width != width_px_ || height != height_px_) {
    context->SetTarget(nullptr);
    target_bitmap_.Reset();
    const HRESULT hr = swap_chain_->ResizeBuffers(2, static_cast<UINT>(width), static_cast<UINT>(height),
                                                  DXGI_FORMAT_UNKNOWN, 0);
    if (SUCCEEDED(hr)) {
      width_px_ = width;
      height_px_ = height;
    } else {
      LogGraphicsError(L"ResizeBuffers", hr);
    }
    BuildTargetBitmap(context);
  }
  if (!target_bitmap_) return nullptr;
  context->SetTarget(target_bitmap_.Get());
  context->SetDpi(96.0f * scale, 96.0f * scale);
  context->BeginDraw();
  context->SetTransform(D2D1::Matrix3x2F::Identity());
  context->Clear(D2D1::ColorF(0.0f, 0.0f, 0.0f, 0.0f));
  return context;
}

void CompositionSurface::EndFrame() {
  ID2D1DeviceContext* context = Graphics().context.Get();
  const HRESULT hr = context->EndDraw();
  if (FAILED(hr)) LogGraphicsError(L"EndDraw", hr);
  swap_chain_->Present(0, 0);  // pacing comes from the frame clock
  context->SetTarget(nullptr);
}

void CompositionSurface::Release() {
  target_bitmap_.Reset();
  visual_.Reset();
  target_.Reset();
  swap_chain_.Reset();
  width_px_ = height_px_ = 0;
}

ComPtr<ID2D1Bitmap> CreateBitmapFromPixels(ID2D1RenderTarget* target, int width, int height,
                                           std::span<const std::uint8_t> pixels) {
  if (target == nullptr || width <= 0 || height <= 0) return nullptr;
  const std::size_t needed = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  if (pixels.size() < needed) return nullptr;
  ComPtr<ID2D1Bitmap> bitmap;
  const D2D1_BITMAP_PROPERTIES properties = D2D1::BitmapProperties(
      D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.0f, 96.0f);
  if (FAILED(target->CreateBitmap(D2D1::SizeU(static_cast<UINT32>(width), static_cast<UINT32>(height)),
                                  pixels.data(), static_cast<UINT32>(width) * 4, &properties, &bitmap))) {
    return nullptr;
  }
  return bitmap;
}

void TrimGraphicsMemory() {
  if (GraphicsDevice& g = Graphics(); g.dxgi_device) {
    ComPtr<IDXGIDevice3> device3;
    if (SUCCEEDED(g.dxgi_device.As(&device3))) device3->Trim();
  }
  _heapmin();
}

float WindowScale(HWND window) {
  const UINT dpi = GetDpiForWindow(window);
  return static_cast<float>(dpi == 0 ? 96 : dpi) / 96.0f;
}

}  // namespace notch
