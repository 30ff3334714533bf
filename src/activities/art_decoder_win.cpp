#include "activities/art_decoder_win.h"

#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include "activities/media_art.h"

namespace notch {

std::optional<DecodedArt> DecodeArtImage(IStream* stream) {
  using Microsoft::WRL::ComPtr;
  if (stream == nullptr) return std::nullopt;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame))) {
    return std::nullopt;
  }
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return std::nullopt;

  ComPtr<IWICBitmapSource> source = frame;
  const ArtSize size = ScaledArtSize(static_cast<int>(width), static_cast<int>(height));
  if (size.width != static_cast<int>(width) || size.height != static_cast<int>(height)) {
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.Get(), static_cast<UINT>(size.width), static_cast<UINT>(size.height),
                                  WICBitmapInterpolationModeFant))) {
      return std::nullopt;
    }
    source = scaler;
  }
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(source.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  DecodedArt art;
  art.width = size.width;
  art.height = size.height;
  art.pixels.resize(static_cast<std::size_t>(size.width) * size.height * 4);
  const UINT stride = static_cast<UINT>(size.width) * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(art.pixels.size()), art.pixels.data()))) {
    return std::nullopt;
  }
  return art;
}

}  // namespace notch
