#pragma once
// Pictures as premultiplied BGRA pixels, for checking what was drawn: read
// from PNG files with WIC, and the bounds of their opaque pixels.
#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/wic_canvas_win.h"

namespace notch::testing {

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;
  const std::uint8_t* At(int x, int y) const { return &pixels[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

inline std::optional<Picture> ReadPng(const std::wstring& path) {
  using Microsoft::WRL::ComPtr;
  const ComPtr<IWICImagingFactory> wic = WicFactory();
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (!wic ||
      FAILED(wic->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                            &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
      FAILED(wic->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  Picture picture{static_cast<int>(width), static_cast<int>(height), {}};
  picture.pixels.resize(static_cast<std::size_t>(width) * height * 4);
  if (FAILED(
          converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.pixels.size()), picture.pixels.data()))) {
    return std::nullopt;
  }
  return picture;
}

// The bounding box of pixels at least `alpha` opaque; nothing when none is.
inline std::optional<RECT> OpaqueBounds(const Picture& picture, std::uint8_t alpha = 128) {
  std::optional<RECT> bounds;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y)[3] < alpha) continue;
      if (!bounds) {
        bounds = RECT{x, y, x + 1, y + 1};
        continue;
      }
      bounds->left = std::min<LONG>(bounds->left, x);
      bounds->top = std::min<LONG>(bounds->top, y);
      bounds->right = std::max<LONG>(bounds->right, x + 1);
      bounds->bottom = std::max<LONG>(bounds->bottom, y + 1);
    }
  }
  return bounds;
}

}  // namespace notch::testing
