#include "png_file_win.h"

#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include "render/wic_canvas_win.h"

namespace notch::snapshots {

using Microsoft::WRL::ComPtr;

bool WritePng(const std::wstring& path, int width, int height, std::span<const std::uint8_t> pixels) {
  const ComPtr<IWICImagingFactory> wic = WicFactory();
  const UINT stride = static_cast<UINT>(width) * 4;
  if (!wic || width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(stride) * height) {
    return false;
  }
  ComPtr<IWICBitmap> bitmap;
  ComPtr<IWICFormatConverter> straight;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  return SUCCEEDED(wic->CreateBitmapFromMemory(
             static_cast<UINT>(width), static_cast<UINT>(height), GUID_WICPixelFormat32bppPBGRA, stride,
             static_cast<UINT>(stride * static_cast<UINT>(height)), const_cast<BYTE*>(pixels.data()), &bitmap)) &&
         SUCCEEDED(wic->CreateFormatConverter(&straight)) &&
         SUCCEEDED(straight->Initialize(bitmap.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                        0.0, WICBitmapPaletteTypeCustom)) &&
         SUCCEEDED(wic->CreateStream(&stream)) &&
         SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(wic->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
         SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
         SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) && SUCCEEDED(frame->WriteSource(straight.Get(), nullptr)) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace notch::snapshots
