#pragma once
// A canvas on a premultiplied BGRA bitmap in memory (WIC), drawn by
// Direct2D's software rasteriser at 96 DPI: file badges and snapshots.
#include <d2d1.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "render/d2d_canvas_win.h"

namespace notch {

// An imaging factory; null when COM is not initialised on this thread or WIC
// is missing. Made afresh each time: a kept one would not survive the end of
// the COM apartment that made it.
Microsoft::WRL::ComPtr<IWICImagingFactory> WicFactory();

class WicCanvas {
 public:
  // Nothing when the bitmap or its render target cannot be made.
  static std::optional<WicCanvas> Create(ID2D1Factory* factory, int width, int height,
                                         Direct2DImplementation implementation = Direct2DImplementation::Windows);

  // Starts drawing on a transparent bitmap.
  Canvas& Begin();
  // Ends drawing; false when Direct2D reports a failure.
  bool End();
  // The pixels, rows of width * 4 bytes.
  std::vector<std::uint8_t> Pixels() const;

  int width() const { return width_; }
  int height() const { return height_; }
  IWICBitmap* bitmap() const { return bitmap_.Get(); }

 private:
  WicCanvas(ID2D1Factory* factory, Microsoft::WRL::ComPtr<IWICBitmap> bitmap,
            Microsoft::WRL::ComPtr<ID2D1RenderTarget> target, int width, int height,
            Direct2DImplementation implementation);

  Microsoft::WRL::ComPtr<IWICBitmap> bitmap_;
  Microsoft::WRL::ComPtr<ID2D1RenderTarget> target_;
  D2DCanvas canvas_;
  int width_ = 0, height_ = 0;
};

}  // namespace notch
