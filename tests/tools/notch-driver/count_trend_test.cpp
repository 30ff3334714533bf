#include "notch-driver/count_trend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace notch::driver {
namespace {

std::vector<double> Line(std::size_t n, double start, double step) {
  std::vector<double> values;
  for (std::size_t i = 0; i < n; ++i) values.push_back(start + step * static_cast<double>(i));
  return values;
}

TEST(CountTrendTest, SlopeOfAStraightLineAndOfTooFewPoints) {
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(Line(30, 500, 0.25)), 0.25);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(Line(30, 500, -2)), -2);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(std::vector<double>{7}), 0);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(std::vector<double>{}), 0);
  // Large counts (memory in KB over hours) keep their precision.
  EXPECT_NEAR(LeastSquaresSlope(Line(7200, 4.0e9, 0.001)), 0.001, 1e-9);
}

TEST(CountTrendTest, OnlyTheSecondHalfCounts) {
  // Start-up growth that levels off is no leak ...
  std::vector<double> settles = Line(30, 100, 5);
  const std::vector<double> flat(30, 250);
  settles.insert(settles.end(), flat.begin(), flat.end());
  const TrendVerdict settled = JudgeTrend({"handles", 20, settles});
  EXPECT_FALSE(settled.growing);
  EXPECT_DOUBLE_EQ(settled.slope_per_minute, 0);
  // ... a count that grows late is.
  std::vector<double> late(30, 250);
  const std::vector<double> climbing = Line(30, 250, 1);
  late.insert(late.end(), climbing.begin(), climbing.end());
  const TrendVerdict leak = JudgeTrend({"handles", 20, late});
  EXPECT_TRUE(leak.growing);
  EXPECT_DOUBLE_EQ(leak.slope_per_minute, 60);
}

TEST(CountTrendTest, NoiseAndShrinkingStayUnderTheBound) {
  std::vector<double> noisy;
  for (int i = 0; i < 120; ++i) noisy.push_back(300 + (i % 2 == 0 ? 15 : -15));  // a page opened and closed
  EXPECT_FALSE(JudgeTrend({"user", 5, noisy}).growing);
  EXPECT_FALSE(JudgeTrend({"private_kb", 1024, Line(120, 90000, -100)}).growing);
  // A slope exactly at the bound is not above it.
  EXPECT_FALSE(JudgeTrend({"threads", 60, Line(40, 10, 1)}).growing);
  EXPECT_TRUE(JudgeTrend({"threads", 59.9, Line(40, 10, 1)}).growing);
}

TEST(CountTrendTest, TooShortARunGivesNoVerdictOfGrowth) {
  EXPECT_FALSE(JudgeTrend({"gdi", 1, Line(6, 0, 100)}).growing);  // three in the second half
  EXPECT_TRUE(JudgeTrend({"gdi", 1, Line(8, 0, 100)}).growing);
  EXPECT_FALSE(JudgeTrend({"gdi", 1, {}}).growing);
}

}  // namespace
}  // namespace notch::driver
