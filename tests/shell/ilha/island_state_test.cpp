// The state machine: which state wins, and the operations that feed it.
#include <gtest/gtest.h>

#include "support/island_fixture.h"

namespace notch {
namespace {

using testing::IslandFixture;

class IslandStateTest : public IslandFixture {};

TEST_F(IslandStateTest, StartsAsTheRestingNotchAndSaysSo) {
  Start();
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_TRUE(record().shown);
  EXPECT_TRUE(platform_.window_visible);
  EXPECT_EQ(record().previous_state, IslandState::Hidden);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: ligada (notch)"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: 0 -> 1"), lines.end());
  EXPECT_EQ(activities_.media_thread_starts, 1);
  EXPECT_EQ(activities_.watcher_starts, 1);
  EXPECT_TRUE(activities_.lyrics_enabled);
}

TEST_F(IslandStateTest, ADisabledIslandStaysHiddenAndRefusesEverything) {
  Start(L"ilha=0\n");
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_FALSE(platform_.window_visible);
  island_.Toggle();
  island_.OpenQuickControls();
  island_.ShowVolumeHud(0.5f, false);
  island_.ShowNotification(L"App", L"Title", L"Body", nullptr);
  island_.OnDownloadFinished(L"C:\\x.zip");
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_FALSE(record().hud_pending);
  EXPECT_FALSE(record().notification_pending);
  EXPECT_EQ(activities_.media_thread_starts, 0);
  EXPECT_FALSE(activities_.lyrics_enabled);
}

TEST_F(IslandStateTest, PrioritiesFromCardDownToIdle) {
  Start();
  island_.StartCountdown(5);
  EXPECT_EQ(state(), IslandState::Timer);
  PublishMedia(true, true);
  EXPECT_EQ(state(), IslandState::Media);
  Click(ShapeCentre());
  EXPECT_EQ(state(), IslandState::Expanded);
  island_.ShowHud(HudKind::Battery, 2500);
  EXPECT_EQ(state(), IslandState::Hud);
  island_.ShowNotification(L"Mail", L"Hello", L"", nullptr);
  EXPECT_EQ(state(), IslandState::Notification);
  EXPECT_FALSE(record().hud_pending);                        // a card clears a pending HUD ...
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kHud));  // ... and its timer

  Run(4500);  // the card ends: the expanded island is still wanted
  EXPECT_EQ(state(), IslandState::Expanded);
  island_.Collapse();
  EXPECT_EQ(state(), IslandState::Media);
  PublishMedia(false, false);
  Run(1600);  // the vanished session is confirmed
  EXPECT_EQ(state(), IslandState::Timer);
  island_.StopCountdown();
  EXPECT_EQ(state(), IslandState::Idle);
}

TEST_F(IslandStateTest, ActivityOnlyStyleShowsIdleOnlyOnDemandOrForPrivacy) {
  Start(L"ilha_estilo=notificacao\n");
  EXPECT_EQ(state(), IslandState::Hidden);
  island_.Toggle();
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_TRUE(record().shown_on_demand);
  island_.Toggle();
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_TRUE(record().user_hidden);
  Settle();
  EXPECT_FALSE(platform_.window_visible);  // hidden once the closing animation settled
  EXPECT_GE(platform_.surfaces_released, 1);

  island_.Toggle();  // show on demand, then hide again by hand
  island_.Toggle();
  island_.OnPrivacyChange(2);
  EXPECT_EQ(state(), IslandState::Hidden);  // user hidden wins over everything
  island_.Toggle();
  EXPECT_EQ(state(), IslandState::Idle);
}

TEST_F(IslandStateTest, PrivacyBitsKeepIdleVisibleInActivityOnlyStyle) {
  Start(L"ilha_estilo=notificacao\n");
  island_.OnPrivacyChange(1);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_EQ(log_.lines().back(), L"ilha: 0 -> 1");
  island_.OnPrivacyChange(0);
  EXPECT_EQ(state(), IslandState::Hidden);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: microfone 1 câmera 0"), lines.end());
}

TEST_F(IslandStateTest, ChangesWithin90MsKeepTheFirstTransitionsStart) {
  Start();
  Settle();
  PublishMedia(true, true);
  EXPECT_EQ(record().previous_state, IslandState::Idle);
  Run(50);
  island_.ShowHud(HudKind::CapsLock, 1300);
  EXPECT_EQ(state(), IslandState::Hud);
  EXPECT_EQ(record().previous_state, IslandState::Idle);  // still from where it began
  Run(200);
  island_.ShowNotification(L"App", L"T", L"", nullptr);
  EXPECT_EQ(record().previous_state, IslandState::Hud);
  EXPECT_EQ(record().animation_kind, AnimationKind::TowardsCard);
}

TEST_F(IslandStateTest, ACardAgainPopsAgainAndAHoveredCardWaitsForTheLeave) {
  Start();
  Settle();
  island_.ShowNotification(L"App", L"First", L"", nullptr);
  Run(1000);
  const double now = platform_.clock_value.NowMs();
  island_.ShowNotification(L"App", L"Second", L"", nullptr);
  EXPECT_EQ(record().card.title, L"Second");
  EXPECT_DOUBLE_EQ(record().last_state_change_ms, now - 90.0);
  EXPECT_EQ(record().previous_state, IslandState::Notification);
  EXPECT_TRUE(record().animating);

  island_.OnMouseMove(ShapeCentre(), false);
  Run(6000);  // time is up, but the pointer rests on it
  EXPECT_EQ(state(), IslandState::Notification);
  island_.OnMouseLeave();
  Run(1400);
  EXPECT_EQ(state(), IslandState::Notification);
  Run(200);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_TRUE(record().card.title.empty());
}

TEST_F(IslandStateTest, ClickingACardClosesItBeforeItsActionRuns) {
  Start();
  Settle();
  IslandState seen_by_action = IslandState::Notification;
  island_.ShowNotification(L"App", L"T", L"", [&] { seen_by_action = state(); });
  Settle();
  Click(ShapeCentre());
  EXPECT_EQ(seen_by_action, IslandState::Idle);
  EXPECT_FALSE(record().notification_pending);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCard));
}

TEST_F(IslandStateTest, NotificationCardTexts) {
  Start();
  island_.ShowNotification(L"Mail", L"Only a title", L"", nullptr);
  EXPECT_EQ(record().card.subtitle, L"Mail");
  island_.ShowNotification(L"Mail", L"", L"", nullptr);
  EXPECT_EQ(record().card.title, L"Mail");
  EXPECT_EQ(record().card.subtitle, L"");
  island_.ShowNotification(L"Mail", L"Title", L"Body text", nullptr);
  EXPECT_EQ(record().card.subtitle, L"Body text");
  EXPECT_EQ(record().card.glyph, 0);

  Setting(setting::kNotifications, L"0");
  EXPECT_FALSE(record().notification_pending);  // dropped, not queued
  island_.ShowNotification(L"Mail", L"Title", L"", nullptr);
  EXPECT_FALSE(record().notification_pending);
}

TEST_F(IslandStateTest, DownloadCardShowsTheFileName) {
  Start();
  island_.OnDownloadFinished(L"C:\\Users\\a\\Downloads\\report.pdf");
  EXPECT_EQ(record().card.title, L"Download complete");
  EXPECT_EQ(record().card.subtitle, L"report.pdf");
  EXPECT_EQ(record().card.glyph, kDownloadGlyph);
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kCard));
  EXPECT_EQ(platform_.timers[island_timer::kCard], 4000u);
  island_.OnDownloadFinished(L"plain.txt");
  EXPECT_EQ(record().card.subtitle, L"plain.txt");
}

TEST_F(IslandStateTest, VolumeHudRefusals) {
  Start();
  island_.ShowNotification(L"App", L"T", L"", nullptr);
  island_.ShowVolumeHud(0.4f, false);
  EXPECT_FALSE(record().hud_pending);  // refused under a card, and not shown after it
  Run(4600);
  EXPECT_EQ(state(), IslandState::Idle);

  island_.ShowVolumeHud(0.4f, true);
  EXPECT_EQ(state(), IslandState::Hud);
  EXPECT_TRUE(record().hud_muted);
  EXPECT_EQ(platform_.timers[island_timer::kHud], 1500u);
  Setting(setting::kVolumeHud, L"0");
  EXPECT_FALSE(record().hud_pending);  // a pending volume HUD goes with the setting
  island_.ShowVolumeHud(0.5f, false);
  EXPECT_FALSE(record().hud_pending);
}

TEST_F(IslandStateTest, CapsLockIsReadFortyMillisecondsAfterThePress) {
  Start();
  island_.OnCapsLockPressed();
  platform_.caps_lock = true;
  Run(39);
  EXPECT_FALSE(record().hud_pending);
  Run(1);
  EXPECT_TRUE(record().caps_lock_on);
  EXPECT_EQ(record().hud_kind, HudKind::CapsLock);
  EXPECT_EQ(platform_.timers[island_timer::kHud], 1300u);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCapsLock));
}

TEST_F(IslandStateTest, ANewHudReplacesTheKindWithoutANewTransition) {
  Start();
  island_.ShowVolumeHud(0.2f, false);
  Run(1000);
  ASSERT_FALSE(record().animating);
  const double change = record().last_state_change_ms;
  const int frames = platform_.frames_drawn;
  island_.OnCapsLockPressed();
  Run(40);
  EXPECT_EQ(record().hud_kind, HudKind::CapsLock);
  EXPECT_EQ(record().last_state_change_ms, change);
  EXPECT_FALSE(record().animating);
  EXPECT_EQ(platform_.frames_drawn, frames + 1);  // only redrawn
}

TEST_F(IslandStateTest, AVanishedSessionIsConfirmedAfterOneAndAHalfSeconds) {
  Start();
  PublishMedia(true, true);
  PublishMedia(false, false);
  EXPECT_EQ(state(), IslandState::Media);
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kSessionGone));
  Run(1000);
  PublishMedia(true, true, L"Next song");  // back before the confirmation
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kSessionGone));
  Run(1000);
  EXPECT_EQ(state(), IslandState::Media);
  EXPECT_EQ(island_.media().title, L"Next song");

  PublishMedia(false, false);
  Run(1500);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_FALSE(island_.media().has_media);
}

TEST_F(IslandStateTest, PausedMediaHoldsForFiveSecondsThenTheCountdownShows) {
  Start();
  island_.StartCountdown(10);
  PublishMedia(true, true);
  PublishMedia(true, false);
  EXPECT_TRUE(record().pause_grace);
  Run(4999);
  EXPECT_EQ(state(), IslandState::Media);
  Run(1);
  EXPECT_EQ(state(), IslandState::Timer);
  PublishMedia(true, false);  // still paused: no new grace
  EXPECT_EQ(state(), IslandState::Timer);
}

TEST_F(IslandStateTest, BatteryHudAtChargerChangesAndAtTheLowMarksOnce) {
  platform_.power = PowerReading{0, 0, 30};
  Start();
  EXPECT_TRUE(record().battery_present);
  EXPECT_FALSE(record().on_ac_power);
  const auto report = [&](unsigned ac, unsigned percent) {
    platform_.power = PowerReading{ac, 0, percent};
    island_.OnPowerStatusChange();
    const bool shown = record().hud_pending && record().hud_kind == HudKind::Battery;
    Run(3000);
    return shown;
  };
  EXPECT_FALSE(report(0, 21));
  EXPECT_TRUE(report(0, 20));
  EXPECT_FALSE(report(0, 19));
  EXPECT_FALSE(report(0, 11));
  EXPECT_TRUE(report(0, 10));
  EXPECT_FALSE(report(0, 10));                  // once
  EXPECT_TRUE(report(1, 10));                   // plugged in
  EXPECT_FALSE(report(1, 20));                  // charging past a mark
  platform_.power = PowerReading{0, 0x80, 50};  // no battery: ignored
  island_.OnPowerStatusChange();
  EXPECT_EQ(record().battery_percent, 20);
}

TEST_F(IslandStateTest, ChangingTheStyleWhileShownHidesAtOnceAndComesBack) {
  Start();
  Settle();
  Setting(setting::kIslandStyle, L"ilha");
  EXPECT_EQ(record().style, IslandStyle::Pill);
  // It disappeared and grows again, out of the hidden shape, in the new style.
  EXPECT_EQ(record().previous_state, IslandState::Hidden);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_TRUE(record().animating);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: ligada (ilha)"), lines.end());
}

TEST_F(IslandStateTest, ApplyingSettingsStartsThingsOnceAndFollowsTheLyricsAndTheme) {
  Start();
  Setting(setting::kLyrics, L"0");
  EXPECT_FALSE(activities_.lyrics_enabled);
  Setting(setting::kLyrics, L"odd");
  EXPECT_TRUE(activities_.lyrics_enabled);
  Setting(setting::kLeopard, L"1");
  EXPECT_EQ(record().theme, Theme::Leopard);
  EXPECT_EQ(log_.lines().size() > 0, true);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: tema 3"), lines.end());
  EXPECT_EQ(activities_.watcher_starts, 1);
  EXPECT_EQ(activities_.media_thread_starts, 4);  // asked every time; it starts only once itself

  Setting(setting::kIsland, L"0");
  EXPECT_EQ(state(), IslandState::Hidden);
  EXPECT_FALSE(activities_.lyrics_enabled);
}

TEST_F(IslandStateTest, CountdownEndsWithSoundLogAndCard) {
  Start();
  island_.StartCountdown(1);
  EXPECT_EQ(platform_.timers[island_timer::kCountdownEnd], 60000u);
  Run(60000);
  EXPECT_EQ(platform_.sounds_played, 1);
  EXPECT_FALSE(island_.countdown().active());
  EXPECT_EQ(state(), IslandState::Notification);
  EXPECT_EQ(record().card.title, L"Timer done");
  EXPECT_EQ(record().card.subtitle, L"1:00");
  EXPECT_EQ(record().card.glyph, kTimerGlyph);
  EXPECT_EQ(platform_.timers[island_timer::kCard], 6000u);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownEnd));
}

TEST_F(IslandStateTest, PausedCountdownDoesNotEndAndResumesWhereItStopped) {
  Start();
  island_.StartCountdown(1);
  Run(20000);
  island_.ToggleCountdownPause();
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownEnd));
  Run(100000);
  EXPECT_TRUE(island_.countdown().active());
  island_.ToggleCountdownPause();
  EXPECT_EQ(platform_.timers[island_timer::kCountdownEnd], 40000u);
  island_.AddCountdownMinute();
  Run(99999);
  EXPECT_EQ(platform_.sounds_played, 0);
  Run(1);
  EXPECT_EQ(platform_.sounds_played, 1);
  EXPECT_EQ(record().card.subtitle, L"1:40");  // the total grew with the extra minute
}

}  // namespace
}  // namespace notch
