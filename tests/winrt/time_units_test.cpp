#include "winrt/time_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace notch::winrt {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(TimeUnitsTest, TicksAreTenMillionthsOfASecond) {
  EXPECT_EQ(TicksToSeconds(0), 0.0);
  EXPECT_EQ(TicksToSeconds(2'000'000'000), 200.0);
  EXPECT_EQ(TicksToSeconds(-5'000'000), -0.5);
  EXPECT_EQ(SecondsToTicks(100.0), 1'000'000'000);
  EXPECT_EQ(SecondsToTicks(-0.5), -5'000'000);
}

TEST(TimeUnitsTest, SecondsRoundToTheNearestTick) {
  EXPECT_EQ(SecondsToTicks(1.23456784), 12'345'678);
  EXPECT_EQ(SecondsToTicks(1.23456786), 12'345'679);
  // 0.1 s is not exact in binary; truncation would give 999 999.
  EXPECT_EQ(SecondsToTicks(0.1), 1'000'000);
}

TEST(TimeUnitsTest, OutOfRangeSecondsSaturateAndNaNIsZero) {
  EXPECT_EQ(SecondsToTicks(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(SecondsToTicks(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(SecondsToTicks(-std::numeric_limits<double>::infinity()), kMin);
  EXPECT_EQ(SecondsToTicks(1e300), kMax);
  EXPECT_EQ(SecondsToTicks(-1e300), kMin);
  // 2^63 ticks is just past the range; -2^63 is its last value.
  EXPECT_EQ(SecondsToTicks(9223372036854775808.0 / 1e7), kMax);
  EXPECT_EQ(SecondsToTicks(-9223372036854775808.0 / 1e7), kMin);
}

TEST(TimeUnitsTest, SecondsBetweenSurvivesExtremeTickCounts) {
  // A DateTime near today (ticks since 1601) and six hours later.
  const std::int64_t today = 133'500'000'000'000'000;
  EXPECT_DOUBLE_EQ(SecondsBetween(today, today + 21600 * kTicksPerSecond), 21600.0);
  EXPECT_DOUBLE_EQ(SecondsBetween(today + 15'000'000, today), -1.5);
  // A broken session's garbage must give a huge finite value, not overflow.
  const double extreme = SecondsBetween(kMin, kMax);
  EXPECT_TRUE(std::isfinite(extreme));
  EXPECT_GT(extreme, 1.8e12);
  EXPECT_LT(SecondsBetween(kMax, kMin), -1.8e12);
}

}  // namespace
}  // namespace notch::winrt
