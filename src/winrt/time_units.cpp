#include "winrt/time_units.h"

#include <cmath>
#include <limits>

namespace notch::winrt {

std::int64_t SecondsToTicks(double seconds) {
  const double ticks = std::round(seconds * static_cast<double>(kTicksPerSecond));
  if (std::isnan(ticks)) return 0;
  // 2^63 is the first double past the range; -2^63 is inside it.
  constexpr double kLimit = 9223372036854775808.0;
  if (ticks >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (ticks < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(ticks);
}

}  // namespace notch::winrt
