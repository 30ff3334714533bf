#include "tour-sources/tour_power.h"

#include <algorithm>

namespace notch::tour {
namespace {

constexpr unsigned kHigh = 0x01;
constexpr unsigned kLow = 0x02;
constexpr unsigned kCritical = 0x04;
constexpr unsigned kCharging = 0x08;
constexpr unsigned kNoBattery = 0x80;
constexpr unsigned kUnknownPercent = 255;

}  // namespace

TourPowerSlot PowerSlotFor(int percent, bool plugged) {
  return {1, plugged ? 1u : 0u, static_cast<std::uint32_t>(std::clamp(percent, 0, 100))};
}

PowerReading ReadPowerSlot(const TourPowerSlot& slot) {
  if (slot.present == 0) return PowerReading{1, kNoBattery, kUnknownPercent};
  const bool plugged = slot.plugged != 0;
  if (slot.percent > 100) return PowerReading{plugged ? 1u : 0u, 0, kUnknownPercent};
  const unsigned percent = slot.percent;
  unsigned flags = 0;
  if (percent > 66) flags |= kHigh;
  if (percent < 33) flags |= kLow;
  if (percent < 5) flags |= kCritical;
  if (plugged && percent < 100) flags |= kCharging;
  return PowerReading{plugged ? 1u : 0u, flags, percent};
}

}  // namespace notch::tour
