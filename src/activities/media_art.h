#pragma once
// Album art as the media card keeps it: at most 192 pixels on the longer
// side, premultiplied BGRA, and a tint colour taken from it.
#include <array>
#include <cstdint>
#include <span>

#include "render/colour.h"

namespace notch {

// When the art loader tries to read the thumbnail, in ms after it starts:
// players often publish the picture a little after the track.
inline constexpr std::array<int, 5> kArtAttemptDelaysMs = {0, 60, 140, 300, 600};

inline constexpr int kLargestArtSide = 192;

struct ArtSize {
  int width = 0, height = 0;
  friend bool operator==(const ArtSize&, const ArtSize&) = default;
};

// The size a decoded picture is scaled to (unchanged when it fits).
ArtSize ScaledArtSize(int width, int height);

// A colour that goes with the picture: the saturation-weighted average of
// every 7th visible pixel, brightened; white without usable pixels.
Colour ArtTint(std::span<const std::uint8_t> premultiplied_bgra, int width, int height);

}  // namespace notch
