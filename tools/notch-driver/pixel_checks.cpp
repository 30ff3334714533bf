#include "notch-driver/pixel_checks.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace notch::driver {

double ChangedShare(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
  const std::size_t pixels = before.size() / 4;
  if (before.size() != after.size() || pixels == 0) return 1.0;
  std::size_t changed = 0;
  for (std::size_t i = 0; i < pixels * 4; i += 4) {
    for (std::size_t c = 0; c < 3; ++c) {
      if (std::abs(static_cast<int>(before[i + c]) - static_cast<int>(after[i + c])) > 48) {
        ++changed;
        break;
      }
    }
  }
  return static_cast<double>(changed) / static_cast<double>(pixels);
}

double EnclosedBlankShare(std::span<const std::uint8_t> pixels, int width) {
  if (width <= 0 || pixels.empty() || pixels.size() % (static_cast<std::size_t>(width) * 4) != 0) return 0.0;
  const std::size_t w = static_cast<std::size_t>(width);
  const std::size_t h = pixels.size() / (w * 4);
  const auto at = [&](std::size_t x, std::size_t y) { return &pixels[(y * w + x) * 4]; };
  const auto dark = [](const std::uint8_t* p) { return p[0] <= 64 && p[1] <= 64 && p[2] <= 64; };
  const auto blank = [](const std::uint8_t* p) { return p[0] > 230 && p[1] > 230 && p[2] > 230; };
  // The first and last dark pixel of every row and column (first > last
  // where there is none).
  std::vector<std::size_t> row_first(h, w), row_last(h, 0), column_first(w, h), column_last(w, 0);
  for (std::size_t y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < w; ++x) {
      if (!dark(at(x, y))) continue;
      row_first[y] = std::min(row_first[y], x);
      row_last[y] = std::max(row_last[y], x);
      column_first[x] = std::min(column_first[x], y);
      column_last[x] = std::max(column_last[x], y);
    }
  }
  std::size_t enclosed = 0;
  for (std::size_t y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < w; ++x) {
      if (row_first[y] < x && x < row_last[y] && column_first[x] < y && y < column_last[x] && blank(at(x, y))) {
        ++enclosed;
      }
    }
  }
  return static_cast<double>(enclosed) / static_cast<double>(w * h);
}

}  // namespace notch::driver
