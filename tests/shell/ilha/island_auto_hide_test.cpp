// Auto-hide, full-screen hiding and the window region, with the virtual clock.
#include <gtest/gtest.h>

#include "shell/ilha/island_geometry.h"
#include "support/island_fixture.h"

namespace notch {
namespace {

class IslandAutoHideTest : public testing::IslandFixture {
 protected:
  void StartWithDelay() {
    Start(L"auto_hide_seconds=10\n");
    platform_.cursor = {960, 600};  // away from the island and the strip
  }
};

TEST_F(IslandAutoHideTest, HidesAfterTheDelayAndTheStripRevealsIt) {
  StartWithDelay();
  Run(9999);
  EXPECT_EQ(state(), IslandState::Idle);
  Run(1);
  EXPECT_TRUE(record().auto_hidden);
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_EQ(platform_.timers[island_timer::kReveal], 120u);
  // Reveal width: the shape's region at rest (184 + 2 margin), at least 96.
  EXPECT_FLOAT_EQ(record().reveal_width, 186.0f);

  platform_.cursor = {960, 1};
  Run(120);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_TRUE(record().shown_on_demand);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kReveal));
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kAutoHide));  // the delay starts again
}

TEST_F(IslandAutoHideTest, ThePointerMustLeaveTheStripBeforeItCanReveal) {
  StartWithDelay();
  platform_.cursor = {960, 1};  // resting in the strip as the island hides
  Run(10000);
  ASSERT_TRUE(record().auto_hidden);
  Run(1000);
  EXPECT_TRUE(record().auto_hidden);
  platform_.cursor = {960, 300};
  Run(120);
  platform_.cursor = {960, 1};
  Run(120);
  EXPECT_FALSE(record().auto_hidden);
  EXPECT_EQ(state(), IslandState::Idle);
}

TEST_F(IslandAutoHideTest, APointerRestingOnTheIslandKeepsItUntilTenSecondsAfterItLeaves) {
  StartWithDelay();
  platform_.cursor_over_island = true;  // no mouse message: it just rests there
  Run(10000);
  EXPECT_FALSE(record().auto_hidden);
  EXPECT_TRUE(record().pointer_inside);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kAutoHide));
  Run(30000);
  EXPECT_FALSE(record().auto_hidden);

  platform_.cursor_over_island = false;
  island_.OnMouseLeave();
  Run(9999);
  EXPECT_FALSE(record().auto_hidden);
  Run(1);
  EXPECT_TRUE(record().auto_hidden);
}

TEST_F(IslandAutoHideTest, PointerActivityRestartsTheDelay) {
  StartWithDelay();
  Run(6000);
  island_.OnMouseMove(ShapeCentre(), false);
  island_.OnMouseLeave();
  Run(9999);
  EXPECT_FALSE(record().auto_hidden);
  Run(1);
  EXPECT_TRUE(record().auto_hidden);
}

TEST_F(IslandAutoHideTest, ABusyPanelDefersHidingAndThenTheWholeDelayStartsAgain) {
  StartWithDelay();
  island_.OpenQuickControls();
  island_.Collapse();
  Run(9000);
  panel_.busy = true;
  Run(1000);
  EXPECT_FALSE(record().auto_hidden);
  EXPECT_TRUE(record().auto_hide_deferred);
  EXPECT_EQ(platform_.timers[island_timer::kAutoHide], 1000u);
  panel_.busy = false;
  Run(1000);
  EXPECT_FALSE(record().auto_hidden);  // a reset, not a hide
  Run(9999);
  EXPECT_FALSE(record().auto_hidden);
  Run(1);
  EXPECT_TRUE(record().auto_hidden);
}

TEST_F(IslandAutoHideTest, ToggleAndSettingsChangesClearAutoHide) {
  StartWithDelay();
  Run(10000);
  ASSERT_TRUE(record().auto_hidden);
  island_.Toggle();
  EXPECT_FALSE(record().auto_hidden);
  EXPECT_EQ(state(), IslandState::Idle);
  Run(10000);
  ASSERT_TRUE(record().auto_hidden);
  Setting(setting::kAutoHideSeconds, L"0");
  EXPECT_FALSE(record().auto_hidden);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kReveal));
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kAutoHide));
}

TEST_F(IslandAutoHideTest, FullScreenHidesAtOnceAndComesBack) {
  Start();
  Settle();
  platform_.system_full_screen = true;
  island_.CheckFullScreen(false);
  EXPECT_TRUE(record().full_screen_hidden);
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_FALSE(platform_.window_visible);  // no closing animation
  EXPECT_FALSE(record().animating);
  EXPECT_FLOAT_EQ(island_.springs().opacity.position, 0.0f);
  island_.ShowHud(HudKind::Battery, 2500);
  EXPECT_EQ(state(), IslandState::Hidden);  // nothing shows meanwhile

  platform_.system_full_screen = false;
  island_.CheckFullScreen(false);
  EXPECT_EQ(state(), IslandState::Hud);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: tela cheia, some"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: saiu da tela cheia"), lines.end());
}

TEST_F(IslandAutoHideTest, TheLockedSessionForcesTheIslandHidden) {
  Start();
  island_.CheckFullScreen(true);
  EXPECT_EQ(state(), IslandState::Hidden);
  island_.CheckFullScreen(true);  // no change, nothing logged twice
  island_.CheckFullScreen(false);
  EXPECT_EQ(state(), IslandState::Idle);
}

TEST_F(IslandAutoHideTest, AFullScreenWindowFoundWhenShowingKeepsTheIslandHidden) {
  Start(L"ilha_estilo=notificacao\n");
  platform_.windows = {TopLevelWindowFacts{}};
  platform_.windows[0].rect = platform_.monitor.rect;
  platform_.windows[0].class_name = L"Game";
  island_.Toggle();  // would show Idle, but the test runs before the window appears
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_TRUE(record().full_screen_hidden);
  EXPECT_FALSE(platform_.window_visible);
}

TEST_F(IslandAutoHideTest, TheRegionFollowsTheShapeAndIsSetOnlyWhenItChanges) {
  Start();
  Settle();
  const int regions = platform_.regions_set;
  EXPECT_EQ(platform_.region, (PixelRect{157, 0, 343, 27}));
  island_.Redraw();
  island_.Redraw();
  EXPECT_EQ(platform_.regions_set, regions);
  island_.ShowHud(HudKind::Battery, 2500);
  Settle();
  EXPECT_EQ(platform_.region, (PixelRect{91, 0, 409, 27}));
  EXPECT_GT(platform_.regions_set, regions);
  island_.Toggle();
  Settle();
  EXPECT_TRUE(platform_.region.empty());
  EXPECT_FALSE(platform_.window_visible);
}

TEST_F(IslandAutoHideTest, TheOutlineIsRebuiltOnlyWhenTheShapeChanges) {
  Start();
  Settle();
  const int paths = platform_.counting_canvas.paths_created;
  island_.Redraw();
  island_.Redraw();
  EXPECT_EQ(platform_.counting_canvas.paths_created, paths);
  island_.ShowHud(HudKind::Battery, 2500);
  Run(50);
  EXPECT_GT(platform_.counting_canvas.paths_created, paths);
}

TEST_F(IslandAutoHideTest, TheSurfaceIsTallOnlyForTheExpandedCard) {
  Start();
  Settle();
  EXPECT_EQ(platform_.last_surface_height, 96);
  Click(ShapeCentre());
  Run(20);
  EXPECT_EQ(platform_.last_surface_height, 430);
  island_.Collapse();
  Run(100);
  EXPECT_EQ(platform_.last_surface_height, 430);  // still animating down from the card
  Settle();
  EXPECT_EQ(platform_.last_surface_height, 96);
}

}  // namespace
}  // namespace notch
