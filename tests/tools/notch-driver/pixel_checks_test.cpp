#include "notch-driver/pixel_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace notch::driver {
namespace {

// `n` opaque pixels of one colour.
std::vector<std::uint8_t> Fill(std::size_t n, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  std::vector<std::uint8_t> pixels;
  for (std::size_t i = 0; i < n; ++i) pixels.insert(pixels.end(), {b, g, r, 255});
  return pixels;
}

TEST(PixelChecksTest, ChangedShareCountsClearDifferencesOnly) {
  const std::vector<std::uint8_t> dark = Fill(10, 20, 20, 20);
  EXPECT_DOUBLE_EQ(ChangedShare(dark, dark), 0.0);
  // Anti-aliasing and a fade's last steps move a channel a little: no change.
  EXPECT_DOUBLE_EQ(ChangedShare(dark, Fill(10, 60, 68, 20)), 0.0);
  // One channel far off is enough, and a pixel counts once.
  std::vector<std::uint8_t> after = dark;
  after[2] = 200;                        // pixel 0, red
  after[4] = after[5] = after[6] = 255;  // pixel 1, all channels
  after[11] = 0;                         // pixel 2's alpha: not a colour
  EXPECT_DOUBLE_EQ(ChangedShare(dark, after), 0.2);
}

TEST(PixelChecksTest, AFailedCaptureNeverPassesForAStillOne) {
  const std::vector<std::uint8_t> some = Fill(4, 0, 0, 0);
  EXPECT_DOUBLE_EQ(ChangedShare(some, Fill(5, 0, 0, 0)), 1.0);
  EXPECT_DOUBLE_EQ(ChangedShare({}, {}), 1.0);
  // A trailing partial pixel is not read past the end.
  std::vector<std::uint8_t> ragged = some;
  ragged.push_back(9);
  std::vector<std::uint8_t> ragged_other = some;
  ragged_other.push_back(250);
  EXPECT_DOUBLE_EQ(ChangedShare(ragged, ragged_other), 0.0);
}

// A picture from rows of characters: '#' dark, '.' white, 'g' light grey.
std::vector<std::uint8_t> Picture(const std::vector<std::string>& rows) {
  std::vector<std::uint8_t> pixels;
  for (const std::string& row : rows) {
    for (const char c : row) {
      const std::uint8_t v = c == '#' ? 10 : c == '.' ? 255 : 200;
      pixels.insert(pixels.end(), {v, v, v, 255});
    }
  }
  return pixels;
}

TEST(PixelChecksTest, OnlyWhiteInsideTheShapeIsBlank) {
  // A notch: flares at the top corners and rounded bottom corners leave
  // white around the shape, which is not blank; the 2 x 2 hole is.
  const std::vector<std::uint8_t> notch = Picture({
      "##......##",
      ".########.",
      ".##..####.",
      ".##..#gg#.",
      ".########.",
      "..######..",
  });
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(notch, 10), 4.0 / 60.0);
  // The same shape painted whole.
  const std::vector<std::uint8_t> whole = Picture({
      "##......##",
      ".########.",
      ".########.",
      ".#####gg#.",
      ".########.",
      "..######..",
  });
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(whole, 10), 0.0);
}

TEST(PixelChecksTest, AHoleOpenToOneSideIsNotEnclosed) {
  // A bite out of the right edge: no dark pixel right of it in its rows.
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(Picture({"####", "##..", "####"}), 4), 0.0);
  // No dark pixel at all: nothing to be inside of.
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(Picture({"...", "..."}), 3), 0.0);
}

TEST(PixelChecksTest, APictureThatDoesNotFitItsWidthReadsNothing) {
  const std::vector<std::uint8_t> picture = Picture({"###", "#.#", "###"});
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(picture, 3), 1.0 / 9.0);
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(picture, 4), 0.0);
  EXPECT_DOUBLE_EQ(EnclosedBlankShare(picture, 0), 0.0);
  EXPECT_DOUBLE_EQ(EnclosedBlankShare({}, 3), 0.0);
}

}  // namespace
}  // namespace notch::driver
