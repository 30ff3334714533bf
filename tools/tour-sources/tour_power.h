#pragma once
// The tour build's battery: the charge and the charger the driver sets
// through a small slot of shared memory, read back as the system's power
// status query answers. An untouched (zeroed) slot is a desktop without a
// battery, which is what Wine reports.
#include <cstdint>

#include "shell/ilha/island_ports.h"

namespace notch::tour {

struct TourPowerSlot {
  std::uint32_t present = 0;  // nonzero: a battery
  std::uint32_t plugged = 0;  // nonzero: on the charger
  std::uint32_t percent = 0;
};

// `percent` is cut to 0..100.
TourPowerSlot PowerSlotFor(int percent, bool plugged);

// With the battery flags the system sets: high above 66 %, low below 33 %,
// critical below 5 %, charging while plugged in and not full. A percentage
// past 100 reads as unknown.
PowerReading ReadPowerSlot(const TourPowerSlot& slot);

}  // namespace notch::tour
