#include "host/custom_delay.h"

#include "host/settings.h"

namespace notch {
namespace {

constexpr int kSuggestedDelaySeconds = 10;

}  // namespace

int CustomDelayInitialValue(int current_seconds) {
  return current_seconds > 0 ? current_seconds : kSuggestedDelaySeconds;
}

std::optional<int> ParseCustomDelay(std::wstring_view text) {
  // The setting's own reader already refuses anything but 0..3600; 0 is off,
  // which the dialog does not offer.
  const int seconds = ParseAutoHideSeconds(text);
  if (seconds < 1) return std::nullopt;
  return seconds;
}

}  // namespace notch
