#pragma once
// Windows Runtime times (TimeSpan, DateTime) count 100-nanosecond ticks; the
// program reasons in seconds.
#include <cstdint>

namespace notch::winrt {

inline constexpr std::int64_t kTicksPerSecond = 10'000'000;

constexpr double TicksToSeconds(std::int64_t ticks) {
  return static_cast<double>(ticks) / static_cast<double>(kTicksPerSecond);
}

// Seconds elapsed from one tick count to a later one (negative when `to` is
// earlier); never overflows, whatever a session reports.
constexpr double SecondsBetween(std::int64_t from_ticks, std::int64_t to_ticks) {
  return (static_cast<double>(to_ticks) - static_cast<double>(from_ticks)) / static_cast<double>(kTicksPerSecond);
}

// Rounds to the nearest tick; saturates at the ends of the 64-bit range and
// gives 0 for NaN, so no request is ever built from an undefined conversion.
std::int64_t SecondsToTicks(double seconds);

}  // namespace notch::winrt
