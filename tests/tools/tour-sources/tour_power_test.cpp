#include "tour-sources/tour_power.h"

#include <gtest/gtest.h>

#include "support/island_fixture.h"

namespace notch::tour {
namespace {

TEST(TourPowerTest, AnUntouchedSlotIsADesktopWithoutABattery) {
  const PowerReading reading = ReadPowerSlot(TourPowerSlot{});
  EXPECT_EQ(reading.ac_line_status, 1u);
  EXPECT_NE(reading.battery_flag & 0x80, 0u);
}

TEST(TourPowerTest, TheBatteryFlagsFollowTheChargeAndTheCharger) {
  const auto flags = [](int percent, bool plugged) {
    return ReadPowerSlot(PowerSlotFor(percent, plugged)).battery_flag;
  };
  EXPECT_EQ(flags(67, false), 0x01u);
  EXPECT_EQ(flags(66, false), 0x00u);
  EXPECT_EQ(flags(33, false), 0x00u);
  EXPECT_EQ(flags(32, false), 0x02u);
  EXPECT_EQ(flags(5, false), 0x02u);
  EXPECT_EQ(flags(4, false), 0x06u);
  EXPECT_EQ(flags(4, true), 0x0Eu);
  EXPECT_EQ(flags(100, true), 0x01u);  // full: plugged in, no longer charging
  EXPECT_EQ(ReadPowerSlot(PowerSlotFor(150, false)).battery_percent, 100u);
  EXPECT_EQ(ReadPowerSlot(TourPowerSlot{1, 0, 300}).battery_percent, 255u);  // not a percentage: unknown
}

class TourBatteryIslandTest : public testing::IslandFixture {
 protected:
  bool Report(int percent, bool plugged) {
    platform_.power = ReadPowerSlot(PowerSlotFor(percent, plugged));
    island_.OnPowerStatusChange();
    const bool shown = record().hud_pending && record().hud_kind == HudKind::Battery;
    Run(3000);
    return shown;
  }
};

TEST_F(TourBatteryIslandTest, TheTourStepsRaiseTheBatteryHud) {
  platform_.power = ReadPowerSlot(TourPowerSlot{});  // as the tour build starts
  Start();
  EXPECT_FALSE(record().battery_present);
  EXPECT_TRUE(Report(20, false));  // unplugged at a low mark
  EXPECT_TRUE(record().battery_present);
  EXPECT_TRUE(Report(20, true));  // the charger
  EXPECT_FALSE(Report(21, true));
}

}  // namespace
}  // namespace notch::tour
