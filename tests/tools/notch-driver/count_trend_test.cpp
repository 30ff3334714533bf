#include "notch-driver/count_trend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace notch::driver {
namespace {

// `n` samples of a count growing by `per_second`, taken `gap` seconds apart.
CountSeries Line(std::string name, double bound, std::size_t n, double start, double per_second, double gap = 1) {
  CountSeries series{std::move(name), bound, {}, {}};
  for (std::size_t i = 0; i < n; ++i) {
    const double t = gap * static_cast<double>(i);
    series.Add(t, start + per_second * t);
  }
  return series;
}

TEST(CountTrendTest, SlopeOfAStraightLineAndOfDegenerateInput) {
  const CountSeries line = Line("handles", 0, 30, 500, 0.25);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(line.seconds, line.samples), 0.25);
  const CountSeries falling = Line("handles", 0, 30, 500, -2, 1.7);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(falling.seconds, falling.samples), -2);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(std::vector<double>{3}, std::vector<double>{7}), 0);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope({}, {}), 0);
  // Sizes that differ, and every sample at one time, give no slope rather than garbage.
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(std::vector<double>{1, 2, 3}, std::vector<double>{1, 2}), 0);
  EXPECT_DOUBLE_EQ(LeastSquaresSlope(std::vector<double>{5, 5, 5}, std::vector<double>{1, 2, 9}), 0);
  // Large counts (memory in KB over hours) keep their precision.
  const CountSeries big = Line("kb", 0, 7200, 4.0e9, 0.001);
  EXPECT_NEAR(LeastSquaresSlope(big.seconds, big.samples), 0.001, 1e-9);
}

TEST(CountTrendTest, UnevenSampleTimesGiveTheSlopePerMinuteOfWallTime) {
  // A count growing 30 a minute, sampled 1.7 s apart on a loaded machine:
  // a slope per sample scaled as if samples came once a second reads 51.
  const CountSeries loaded = Line("handles", 40, 200, 100, 0.5, 1.7);
  const TrendVerdict verdict = JudgeTrend(loaded);
  EXPECT_NEAR(verdict.slope_per_minute, 30, 1e-9);
  EXPECT_FALSE(verdict.growing);
  // Gaps that vary from sample to sample (a long action now and then).
  CountSeries jittery{"kb", 100, {}, {}};
  double t = 0;
  for (int i = 0; i < 300; ++i) {
    t += (i % 7 == 0) ? 4.5 : (i % 3 == 0 ? 0.6 : 1.2);
    jittery.Add(t, 2000 + 3 * t);  // 180 a minute
  }
  EXPECT_NEAR(JudgeTrend(jittery).slope_per_minute, 180, 1e-6);
  EXPECT_TRUE(JudgeTrend(jittery).growing);
}

TEST(CountTrendTest, TheSecondHalfIsByTimeNotBySampleCount) {
  // Dense samples early (an idle start) and sparse ones late (under load):
  // the middle of the run is at 150 s, not at the middle sample.
  CountSeries series{"handles", 20, {}, {}};
  for (int i = 0; i < 100; ++i) series.Add(i, 100 + 2 * i);   // start-up growth, 120 a minute
  for (int i = 0; i < 40; ++i) series.Add(100 + 5 * i, 300);  // flat from 100 s to 295 s
  const TrendVerdict verdict = JudgeTrend(series);
  EXPECT_DOUBLE_EQ(verdict.slope_per_minute, 0);
  EXPECT_FALSE(verdict.growing);
}

TEST(CountTrendTest, StartUpGrowthAndASingleStepAgainstGrowthThatGoesOn) {
  // Start-up growth that levels off is no leak ...
  CountSeries settles{"handles", 20, {}, {}};
  for (int i = 0; i < 60; ++i) settles.Add(i, i < 30 ? 100 + 5 * i : 250);
  EXPECT_FALSE(JudgeTrend(settles).growing);
  EXPECT_DOUBLE_EQ(JudgeTrend(settles).slope_per_minute, 0);
  // ... a count that grows late is.
  CountSeries late{"handles", 20, {}, {}};
  for (int i = 0; i < 60; ++i) late.Add(i, i < 30 ? 250 : 250 + (i - 30));
  EXPECT_TRUE(JudgeTrend(late).growing);
  EXPECT_DOUBLE_EQ(JudgeTrend(late).slope_per_minute, 60);
  // One step in the middle of the second half (a cache filled once) tilts
  // the fitted line: a 64 MB step over ten minutes reads as about 9.6 MB a
  // minute and is judged as growth, as the soak's bound means it to be.
  CountSeries step{"heap_kb", 4096, {}, {}};
  for (int i = 0; i < 1200; ++i) step.Add(i, i < 900 ? 50000 : 50000 + 65536);
  const TrendVerdict stepped = JudgeTrend(step);
  EXPECT_GT(stepped.slope_per_minute, 4096);
  EXPECT_TRUE(stepped.growing);
}

TEST(CountTrendTest, FlatWithNoiseAndGrowthJustUnderOrOverTheBound) {
  CountSeries noisy{"user", 5, {}, {}};
  for (int i = 0; i < 600; ++i) noisy.Add(1.3 * i, 300 + (i % 2 == 0 ? 15 : -15));  // a page opened and closed
  EXPECT_FALSE(JudgeTrend(noisy).growing);
  EXPECT_NEAR(JudgeTrend(noisy).slope_per_minute, 0, 0.1);
  EXPECT_FALSE(JudgeTrend(Line("private_kb", 1024, 120, 90000, -100)).growing);
  // The bound is per minute of time: 1 a second is 60 a minute whatever the gap.
  EXPECT_FALSE(JudgeTrend(Line("threads", 60.5, 40, 10, 1, 1.7)).growing);
  EXPECT_TRUE(JudgeTrend(Line("threads", 59.5, 40, 10, 1, 1.7)).growing);
  // A slope exactly at the bound is not above it.
  EXPECT_FALSE(JudgeTrend(Line("threads", 60, 40, 10, 1, 2)).growing);
}

TEST(CountTrendTest, TooShortARunGivesNoVerdictOfGrowth) {
  EXPECT_FALSE(JudgeTrend(Line("gdi", 1, 6, 0, 100)).growing);  // three in the second half
  EXPECT_TRUE(JudgeTrend(Line("gdi", 1, 8, 0, 100)).growing);
  EXPECT_FALSE(JudgeTrend(CountSeries{"gdi", 1, {}, {}}).growing);
  // Times and samples of different lengths use the shorter.
  CountSeries ragged = Line("gdi", 1, 8, 0, 100);
  ragged.samples.resize(5);
  EXPECT_FALSE(JudgeTrend(ragged).growing);
}

}  // namespace
}  // namespace notch::driver
