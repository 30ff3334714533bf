// The Direct2D canvas on a WIC bitmap: text, transforms, bitmaps, and the
// layers and gradients it draws itself for Wine's Direct2D.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <array>

#include "host/host_links_win.h"
#include "render/wic_canvas_win.h"
#include "wic_pixels.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

class D2DCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    links::InitFonts();
    ASSERT_TRUE(SUCCEEDED(D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, factory_.GetAddressOf())));
  }
  void TearDown() override {
    factory_.Reset();
    CoUninitialize();
  }

  // Draws on a transparent 100 x 40 bitmap and returns its pixels.
  template <typename Draw>
  testing::Picture Drawn(Draw&& draw, Direct2DImplementation implementation = Direct2DImplementation::Windows) {
    auto surface = WicCanvas::Create(factory_.Get(), 100, 40, implementation);
    EXPECT_TRUE(surface);
    if (!surface) return {};
    draw(surface->Begin());
    EXPECT_TRUE(surface->End());
    return {100, 40, surface->Pixels()};
  }

  ComPtr<ID2D1Factory> factory_;
};

constexpr TextFormat kText{L"Inter", 14.0f, 600, TextAlignment::Leading, true};

TEST_F(D2DCanvasTest, TextStaysInsideItsBox) {
  const auto picture = Drawn([](Canvas& canvas) {
    canvas.DrawText(L"Download concluído com sucesso", kText, {10, 5, 60, 35}, Brush::Solid(White()));
  });
  const auto bounds = testing::OpaqueBounds(picture, 1);
  ASSERT_TRUE(bounds);
  EXPECT_GE(bounds->left, 10);
  EXPECT_LE(bounds->right, 60);
  EXPECT_GT(bounds->right, 45);  // trimmed, not dropped
}

TEST_F(D2DCanvasTest, MeasuringGoesThroughDirectWrite) {
  auto surface = WicCanvas::Create(factory_.Get(), 10, 10);
  ASSERT_TRUE(surface);
  Canvas& canvas = surface->Begin();
  EXPECT_GT(canvas.MeasureTextWidth(L"WWWW", kText), canvas.MeasureTextWidth(L"iiii", kText));
  EXPECT_EQ(canvas.MeasureTextWidth(L"x", TextFormat{L"", 0.0f}), 0.0f);  // DirectWrite refuses a size of 0
  surface->End();
}

TEST_F(D2DCanvasTest, TransformsApplyUntilTheyArePopped) {
  const auto picture = Drawn([](Canvas& canvas) {
    canvas.PushTransform(Transform::Translation(50, 10));
    canvas.FillRect({0, 0, 10, 10}, Brush::Solid(White()));
    canvas.PopTransform();
    canvas.FillRect({0, 0, 5, 5}, Brush::Solid(White()));
  });
  EXPECT_EQ(picture.At(55, 15)[3], 255);
  EXPECT_EQ(picture.At(2, 2)[3], 255);
  EXPECT_EQ(picture.At(12, 12)[3], 0);
}

TEST_F(D2DCanvasTest, BitmapsAreUploadedAndDrawn) {
  const auto picture = Drawn([](Canvas& canvas) {
    const std::array<std::uint8_t, 16> red = {0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255};
    const auto bitmap = canvas.CreateBitmap(2, 2, red);
    ASSERT_TRUE(bitmap);
    EXPECT_FALSE(canvas.CreateBitmap(2, 2, std::span(red).first(15)));
    canvas.DrawBitmap(*bitmap, {20, 10, 40, 30}, 1.0f);
  });
  EXPECT_EQ(picture.At(30, 20)[2], 255);
  EXPECT_EQ(picture.At(30, 20)[3], 255);
}

TEST_F(D2DCanvasTest, ForWineLayersClipToTheirMaskAndFade) {
  const auto picture = Drawn(
      [](Canvas& canvas) {
        PathData circle;
        circle.start = {50, 0};
        circle.ArcTo(20.0f, {50, 40});
        circle.ArcTo(20.0f, {50, 0});
        const auto mask = canvas.CreatePath(circle);
        canvas.PushLayer(mask.get(), 0.5f);
        canvas.FillRect({0, 0, 100, 40}, Brush::Solid(White()));
        canvas.PopLayer();
      },
      Direct2DImplementation::Wine);
  EXPECT_NEAR(picture.At(50, 20)[3], 128, 2);
  EXPECT_EQ(picture.At(5, 20)[3], 0);
  EXPECT_EQ(picture.At(95, 20)[3], 0);
  EXPECT_NEAR(picture.At(62, 6)[3], 128, 2);  // inside the circle, outside the diamond of its chords
}

TEST_F(D2DCanvasTest, ForWineGradientsKeepTheirAlpha) {
  const std::array<GradientStop, 2> faint = {{{0.0f, White(0.1f)}, {1.0f, White(0.1f)}}};
  const auto picture = Drawn(
      [&](Canvas& canvas) {
        canvas.FillRect({0, 0, 100, 40}, Brush::Linear({0, 0}, {0, 40}, faint));
      },
      Direct2DImplementation::Wine);
  EXPECT_NEAR(picture.At(50, 20)[3], 26, 2);
  EXPECT_NEAR(picture.At(50, 20)[0], 26, 2);
}

}  // namespace
}  // namespace notch
