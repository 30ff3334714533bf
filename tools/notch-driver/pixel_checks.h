#pragma once
// What the driver reads from two pictures of the same screen area (rows of
// BGRA, four bytes a pixel): how much of it changed, and how much of it is
// blank.
#include <cstdint>
#include <span>

namespace notch::driver {

// The share (0..1) of pixels whose colour differs by more than 48 in any
// channel; 1 when the pictures are of different sizes or empty, so that a
// capture that failed never passes for one that held still.
double ChangedShare(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);

// The share (0..1) of near-white pixels (every channel above 230) that lie
// inside the dark shape: with a dark pixel (every channel 64 or less) to
// their left and right in their row and above and below in their column.
// That is the virtual screen's white showing through where a window left
// an area unpainted; the white around a shape's rounded corners and flares
// does not count. `width` is the picture's width in pixels; 0 for an empty
// picture or one whose size does not fit the width.
double EnclosedBlankShare(std::span<const std::uint8_t> pixels, int width);

}  // namespace notch::driver
