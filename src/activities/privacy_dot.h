#pragma once
// The microphone and camera dot at the right end of the pill: while either
// is in use the pill keeps its last 18 DIPs for a small filled dot, green for
// the camera (which wins) and orange for the microphone.
#include <cstdint>

#include "render/canvas.h"
#include "render/colour.h"
#include "render/geometry.h"
#include "shell/ilha/island_types.h"

namespace notch {

inline constexpr float kPrivacyReserve = 18.0f;
inline constexpr float kPrivacyDotRadius = 3.2f;
inline constexpr float kPrivacyDotInset = 13.0f;  // from the shape's right edge to the dot's centre
inline constexpr Colour kCameraGreen{0.2f, 0.84f, 0.29f, 1.0f};
inline constexpr Colour kMicrophoneOrange{1.0f, 0.62f, 0.04f, 1.0f};

// The pill states (those the privacy state widens) show the dot.
bool ShowsPrivacyDot(IslandState state, std::uint32_t privacy_bits);
Colour PrivacyDotColour(std::uint32_t privacy_bits);
// The shape left to the state's own content.
RectF PrivacyContentShape(const RectF& shape, IslandState state, std::uint32_t privacy_bits);
// Draws the dot when the state shows it.
void DrawPrivacyDot(Canvas& canvas, const RectF& shape, IslandState state, std::uint32_t privacy_bits);

}  // namespace notch
