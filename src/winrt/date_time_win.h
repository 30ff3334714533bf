#pragma once
// Windows Runtime times in seconds.
#include <windows.h>

#include "winrt/foundation_win.h"
#include "winrt/time_units.h"

namespace notch::winrt {

inline double Seconds(const TimeSpan& span) { return TicksToSeconds(span.Duration); }

// Now, from the precise system clock, on the DateTime scale (a FILETIME's).
inline DateTime PreciseNow() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return DateTime{static_cast<INT64>((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime)};
}

// Seconds from `then` to now; negative when `then` lies in the future.
inline double SecondsSince(const DateTime& then) {
  return SecondsBetween(then.UniversalTime, PreciseNow().UniversalTime);
}

}  // namespace notch::winrt
