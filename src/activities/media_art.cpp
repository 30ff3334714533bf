#include "activities/media_art.h"

#include <algorithm>
#include <cmath>

namespace notch {

ArtSize ScaledArtSize(int width, int height) {
  if (width <= kLargestArtSide && height <= kLargestArtSide) return {width, height};
  const double factor = static_cast<double>(kLargestArtSide) / std::max(width, height);
  return {std::max(1, static_cast<int>(std::lround(width * factor))),
          std::max(1, static_cast<int>(std::lround(height * factor)))};
}

Colour ArtTint(std::span<const std::uint8_t> pixels, int width, int height) {
  const std::size_t count = width > 0 && height > 0 ? static_cast<std::size_t>(width) * height : 0;
  double sum_r = 0, sum_g = 0, sum_b = 0, sum_weight = 0;
  for (std::size_t i = 0; i < count && i * 4 + 3 < pixels.size(); i += 7) {
    const std::uint8_t* p = pixels.data() + i * 4;
    const double alpha = p[3];
    if (alpha < 8) continue;
    const double b = p[0] / alpha, g = p[1] / alpha, r = p[2] / alpha;
    const double weight = std::max({r, g, b}) - std::min({r, g, b}) + 0.25;
    sum_r += r * weight;
    sum_g += g * weight;
    sum_b += b * weight;
    sum_weight += weight;
  }
  if (sum_weight <= 0.0) return {1.0f, 1.0f, 1.0f, 1.0f};
  double r = sum_r / sum_weight, g = sum_g / sum_weight, b = sum_b / sum_weight;
  const double brightest = std::max({r, g, b, 0.001});
  const auto finish = [brightest](double c) {
    c /= brightest;
    return static_cast<float>(c + (1.0 - c) * 0.25);
  };
  return {finish(r), finish(g), finish(b), 1.0f};
}

}  // namespace notch
