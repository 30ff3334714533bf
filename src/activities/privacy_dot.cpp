#include "activities/privacy_dot.h"

#include "activities/privacy_watch.h"

namespace notch {

bool ShowsPrivacyDot(IslandState state, std::uint32_t privacy_bits) {
  const bool pill = state == IslandState::Idle || state == IslandState::Media || state == IslandState::Timer;
  return pill && (privacy_bits & (kMicrophoneInUse | kCameraInUse)) != 0;
}

Colour PrivacyDotColour(std::uint32_t privacy_bits) {
  return (privacy_bits & kCameraInUse) != 0 ? kCameraGreen : kMicrophoneOrange;
}

RectF PrivacyContentShape(const RectF& shape, IslandState state, std::uint32_t privacy_bits) {
  if (!ShowsPrivacyDot(state, privacy_bits)) return shape;
  RectF content = shape;
  content.right -= kPrivacyReserve;
  return content;
}

void DrawPrivacyDot(Canvas& canvas, const RectF& shape, IslandState state, std::uint32_t privacy_bits) {
  if (!ShowsPrivacyDot(state, privacy_bits)) return;
  const float x = shape.right - kPrivacyDotInset;
  const float y = shape.centre().y;
  canvas.FillRoundedRect({x - kPrivacyDotRadius, y - kPrivacyDotRadius, x + kPrivacyDotRadius, y + kPrivacyDotRadius},
                         kPrivacyDotRadius, Brush::Solid(PrivacyDotColour(privacy_bits)));
}

}  // namespace notch
