// The media session's Windows side: album art through WIC, and a media
// thread that finds no media controls (as under Wine) ends cleanly.
#include "activities/media_session_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <vector>

#include "activities/art_decoder_win.h"
#include "activities/media_session_worker.h"
#include "support/log_capture.h"
#include "winrt/activation_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

// A PNG of `width` x `height` pixels, all of one straight-alpha BGRA colour.
ComPtr<IStream> MakePng(UINT width, UINT height, const BYTE bgra[4]) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmap> bitmap;
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  std::vector<BYTE> pixels(static_cast<std::size_t>(width) * height * 4);
  for (std::size_t i = 0; i < pixels.size(); i += 4) std::copy(bgra, bgra + 4, pixels.begin() + i);
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGRA, width * 4,
                                             static_cast<UINT>(pixels.size()), pixels.data(), &bitmap)) ||
      FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(width, height)) || FAILED(frame->SetPixelFormat(&format)) ||
      FAILED(frame->WriteSource(bitmap.Get(), nullptr)) || FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
    return nullptr;
  }
  const LARGE_INTEGER start{};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return stream;
}

TEST(MediaSessionWinTest, ALargeCoverIsScaledTo192OnItsLongerSideAndPremultiplied) {
  const winrt::MultithreadedApartment apartment;
  const BYTE half_red[4] = {0, 0, 255, 128};
  const ComPtr<IStream> png = MakePng(1000, 500, half_red);
  ASSERT_NE(png, nullptr);
  const auto art = DecodeArtImage(png.Get());
  ASSERT_TRUE(art.has_value());
  EXPECT_EQ(art->width, 192);
  EXPECT_EQ(art->height, 96);
  ASSERT_EQ(art->pixels.size(), 192u * 96u * 4u);
  const BYTE* middle = &art->pixels[(48 * 192 + 96) * 4];
  EXPECT_NEAR(middle[2], 128, 2);  // red, premultiplied by the alpha
  EXPECT_NEAR(middle[3], 128, 2);
  EXPECT_EQ(middle[0], 0);

  EXPECT_FALSE(DecodeArtImage(nullptr).has_value());
  ComPtr<IStream> garbage;
  ASSERT_TRUE(SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &garbage)));
  garbage->Write("not a picture", 13, nullptr);
  const LARGE_INTEGER start{};
  garbage->Seek(start, STREAM_SEEK_SET, nullptr);
  EXPECT_FALSE(DecodeArtImage(garbage.Get()).has_value());
}

TEST(MediaSessionWinTest, WithoutTheMediaControlsTheMediaThreadLogsAndEnds) {
  const winrt::MultithreadedApartment apartment;
  testing::LogCapture log;
  MediaState state;
  int notifications = 0;
  WinRtMediaSession session(state, [&] { ++notifications; });
  MediaSessionWorker worker(state, session, SystemClock(), [&] { ++notifications; });
  if (worker.Start()) GTEST_SKIP() << "the media controls exist here";
  ASSERT_EQ(log.lines().size(), 1u);
  EXPECT_EQ(log.lines()[0], L"ilha: sem acesso aos controles de mídia do Windows");
  EXPECT_FALSE(session.HasSession());
  EXPECT_EQ(notifications, 0);
}

}  // namespace
}  // namespace notch
