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
  // A long gap is taken as at most 100 ms of smoothing.
  LevelBars jump;
  jump.Advance(0.0, true, 1.0f);
  jump.Advance(100000.0, true, 1.0f);
  EXPECT_LE(jump.level(1), 1.0f);
}

}  // namespace
}  // namespace notch
