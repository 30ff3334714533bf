#pragma once
// What the screen shows: its pixels inside a rectangle, and where the dark
// ones are (the island is black on the white virtual screens of the tests
// and the tour).
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace notch::snapshots {

// The screen's pixels inside `area` (screen pixels), rows of BGRA with
// alpha 255; empty for an empty area.
std::vector<std::uint8_t> ScreenPixels(const RECT& area);

// The bounding box (screen pixels) of the pixels inside `area` whose
// channels are all 64 or less, or nothing when there are none; the part of
// `area` off the screen counts for nothing.
std::optional<RECT> DarkBounds(const RECT& area);

}  // namespace notch::snapshots
