#include "activities/peak_meter.h"

namespace notch {

std::optional<float> PeakMeter::Read(std::uint64_t now_ms) {
  if (!device_) {
    if (last_failure_ms_ && now_ms - *last_failure_ms_ < kRetryMs) return std::nullopt;
    device_ = source_.OpenDefault();
    if (!device_) {
      last_failure_ms_ = now_ms;
      return std::nullopt;
    }
  }
  const auto peak = device_->Peak();
  if (!peak) {
    device_.reset();
    last_failure_ms_ = now_ms;
  }
  return peak;
}

}  // namespace notch
