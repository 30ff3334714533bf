#include "activities/media_art.h"

#include <gtest/gtest.h>

#include <vector>

namespace notch {
namespace {

std::vector<std::uint8_t> Solid(int w, int h, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a) {
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < w * h; ++i) pixels.insert(pixels.end(), {b, g, r, a});
  return pixels;
}

TEST(MediaArtTest, LargePicturesShrinkToAtMost192OnTheLongerSide) {
  EXPECT_EQ(ScaledArtSize(1000, 500), (ArtSize{192, 96}));
  EXPECT_EQ(ScaledArtSize(300, 300), (ArtSize{192, 192}));
  EXPECT_EQ(ScaledArtSize(100, 4000), (ArtSize{5, 192}));
  EXPECT_EQ(ScaledArtSize(5000, 1), (ArtSize{192, 1}));  // never below one pixel
  EXPECT_EQ(ScaledArtSize(192, 120), (ArtSize{192, 120}));
  EXPECT_EQ(ScaledArtSize(64, 64), (ArtSize{64, 64}));
}

TEST(MediaArtTest, TintFollowsTheSaturatedColoursAndIsBrightened) {
  // A pure red picture: red stays full, the others rise by a quarter.
  const auto red = Solid(10, 10, 0, 0, 255, 255);
  const Colour tint = ArtTint(red, 10, 10);
  EXPECT_FLOAT_EQ(tint.r, 1.0f);
  EXPECT_FLOAT_EQ(tint.g, 0.25f);
  EXPECT_FLOAT_EQ(tint.b, 0.25f);
  EXPECT_FLOAT_EQ(tint.a, 1.0f);

  // Premultiplied pixels are judged by their colour, not their coverage.
  const auto half_blue = Solid(10, 10, 128, 0, 0, 128);
  EXPECT_FLOAT_EQ(ArtTint(half_blue, 10, 10).b, 1.0f);

  // A dark grey picture is lifted to white-ish grey, not left dark.
  const auto grey = Solid(4, 4, 40, 40, 40, 255);
  EXPECT_FLOAT_EQ(ArtTint(grey, 4, 4).r, 1.0f);
}

TEST(MediaArtTest, WithoutVisiblePixelsTheTintIsWhite) {
  const auto clear = Solid(8, 8, 0, 0, 0, 7);
  EXPECT_EQ(ArtTint(clear, 8, 8), (Colour{1, 1, 1, 1}));
  EXPECT_EQ(ArtTint({}, 0, 0), (Colour{1, 1, 1, 1}));
  const auto short_buffer = Solid(2, 2, 0, 0, 255, 255);
  EXPECT_NO_FATAL_FAILURE(ArtTint(short_buffer, 100, 100));  // a size larger than the buffer is safe
}

}  // namespace
}  // namespace notch
