#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "winrt/date_time_win.h"

namespace notch::winrt {
namespace {

TEST(DateTimeTest, PreciseNowIsOnTheFileTimeScale) {
  FILETIME coarse{};
  GetSystemTimeAsFileTime(&coarse);
  const INT64 coarse_ticks =
      static_cast<INT64>((static_cast<ULONGLONG>(coarse.dwHighDateTime) << 32) | coarse.dwLowDateTime);
  // Both clocks read the same time within a second (the coarse one may lag by a tick).
  EXPECT_LT(std::abs(SecondsBetween(coarse_ticks, PreciseNow().UniversalTime)), 1.0);
}

TEST(DateTimeTest, SecondsSinceAnEarlierAndALaterTime) {
  const DateTime now = PreciseNow();
  const double since_earlier = SecondsSince(DateTime{now.UniversalTime - 90 * kTicksPerSecond});
  EXPECT_GE(since_earlier, 90.0);
  EXPECT_LT(since_earlier, 91.0);
  EXPECT_LT(SecondsSince(DateTime{now.UniversalTime + 60 * kTicksPerSecond}), -59.0);
}

}  // namespace
}  // namespace notch::winrt
