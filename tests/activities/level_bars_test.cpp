#include "activities/level_bars.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(LevelBarsTest, EnergyFromThePeakMeter) {
  EXPECT_FLOAT_EQ(LevelBars::Energy(0.0f), 0.0f);
  EXPECT_FLOAT_EQ(LevelBars::Energy(0.002f), 0.0f);  // silence
  EXPECT_NEAR(LevelBars::Energy(0.25f), 0.85f, 1e-6);
  EXPECT_FLOAT_EQ(LevelBars::Energy(1.0f), 1.0f);  // clamped
}

TEST(LevelBarsTest, BarsFollowTheMusicAndSettleWhenItStops) {
  LevelBars bars;
  EXPECT_FALSE(bars.Animating(false));
  double now = 0.0;
  bool repainted = false;
  for (int i = 0; i < 30; ++i) repainted |= bars.Advance(now += 33.0, true, 0.5f);
  EXPECT_TRUE(repainted);
  EXPECT_GT(bars.level(0), LevelBars::kRestLevel);
  EXPECT_TRUE(bars.Animating(false));  // not at rest yet

  bars.MarkDrawn();
  for (int i = 0; i < 200; ++i) bars.Advance(now += 33.0, false, std::nullopt);
  EXPECT_NEAR(bars.level(2), LevelBars::kRestLevel, 0.001f);
  EXPECT_FALSE(bars.Animating(false));
}

TEST(LevelBarsTest, SmallMovementsNeedNoRepaint) {
  LevelBars bars;
  bars.MarkDrawn();
  EXPECT_FALSE(bars.Advance(10.0, false, std::nullopt));  // resting bars stay where they were drawn
}

TEST(LevelBarsTest, ALongGapSmoothsAsOneHundredMilliseconds) {
  // Both start at rest and take the same target at the same time; one after
  // a gap of 100 s, the other after exactly 100 ms.
  LevelBars after_gap;
  after_gap.Advance(0.0, false, std::nullopt);
  after_gap.Advance(100000.0, true, 1.0f);
  LevelBars after_step;
  after_step.Advance(99900.0, false, std::nullopt);
  after_step.Advance(100000.0, true, 1.0f);
  for (int bar = 0; bar < LevelBars::kBars; ++bar) {
    EXPECT_FLOAT_EQ(after_gap.level(bar), after_step.level(bar)) << bar;
    EXPECT_GT(after_gap.level(bar), LevelBars::kRestLevel) << bar;
  }
}

}  // namespace
}  // namespace notch
