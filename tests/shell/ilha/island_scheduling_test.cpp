// How the activity sources meet: their gates while the island is hidden, and
// HUDs that arrive under a card.
#include <gtest/gtest.h>

#include "support/island_fixture.h"

namespace notch {
namespace {

class IslandSchedulingTest : public testing::IslandFixture {};

TEST_F(IslandSchedulingTest, WhileUserHiddenOnlyTheSourcesWithoutThatGateSetFlagsAndTheyExpireUnseen) {
  Start();
  Settle();
  island_.Toggle();
  ASSERT_TRUE(record().user_hidden);

  island_.ShowNotification(L"Mail", L"Hello", L"", nullptr);
  EXPECT_FALSE(record().notification_pending);  // refused
  island_.ShowVolumeHud(0.5f, false);
  EXPECT_FALSE(record().hud_pending);  // refused

  island_.OnCapsLockPressed();
  Run(40);
  EXPECT_TRUE(record().hud_pending);  // recorded, not seen
  island_.OnDownloadFinished(L"C:\\Users\\Ana\\Downloads\\a.zip");
  EXPECT_TRUE(record().notification_pending);
  EXPECT_EQ(state(), IslandState::Hidden);

  Run(4000);  // both ran out on their own timers, never seen
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_FALSE(platform_.window_visible);
  EXPECT_FALSE(record().hud_pending);
  EXPECT_FALSE(record().notification_pending);
  island_.Toggle();
  EXPECT_EQ(state(), IslandState::Idle);
}

TEST_F(IslandSchedulingTest, WhileFullScreenHiddenDownloadsAndCapsLockAreRefusedButTheBatteryIsRecorded) {
  platform_.power = PowerReading{0, 0, 30};
  Start();
  Settle();
  platform_.system_full_screen = true;
  island_.CheckFullScreen(false);
  ASSERT_TRUE(record().full_screen_hidden);

  island_.OnDownloadFinished(L"C:\\a.zip");
  island_.ShowNotification(L"Mail", L"Hello", L"", nullptr);
  island_.OnCapsLockPressed();
  Run(40);
  EXPECT_FALSE(record().notification_pending);
  EXPECT_FALSE(record().hud_pending);

  platform_.power = PowerReading{1, 0, 30};  // plugged in
  island_.OnPowerStatusChange();
  EXPECT_TRUE(record().hud_pending);
  EXPECT_EQ(state(), IslandState::Hidden);
  Run(2500);
  EXPECT_FALSE(record().hud_pending);
}

TEST_F(IslandSchedulingTest, AHudUnderACardAppearsOnlyIfItsOwnTimerOutlivesTheCard) {
  Start();
  Settle();
  island_.ShowNotification(L"Mail", L"Hello", L"", nullptr);  // ends at 4500
  Run(1000);
  island_.ShowHud(HudKind::Battery, 2500);  // ends at 3500, under the card
  EXPECT_EQ(state(), IslandState::Notification);
  Run(3500);
  EXPECT_EQ(state(), IslandState::Idle);

  island_.ShowNotification(L"Mail", L"Hello again", L"", nullptr);
  Run(3000);
  island_.ShowHud(HudKind::Battery, 2500);  // outlives the card by 1000 ms
  Run(1500);
  EXPECT_EQ(state(), IslandState::Hud);
  Run(999);
  EXPECT_EQ(state(), IslandState::Hud);
  Run(1);
  EXPECT_EQ(state(), IslandState::Idle);

  // A volume HUD is refused under a card, and nothing is left for later.
  island_.ShowNotification(L"Mail", L"Third", L"", nullptr);
  island_.ShowVolumeHud(0.3f, false);
  EXPECT_FALSE(record().hud_pending);
}

}  // namespace
}  // namespace notch
