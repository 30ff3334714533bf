#include "panel/quick_panel.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "panel_fakes.h"
#include "shell/ilha/island_types.h"

namespace notch::quick {
namespace {

using testing::PanelRig;

class QuickPanelTest : public testing::EnglishTextsTest {
 protected:
  PanelRig rig;
  QuickPanel& panel = rig.panel;
};

TEST_F(QuickPanelTest, FirstShowSetsUpThePendingPageWithoutFade) {
  panel.OpenPanelAt(Page::Sound);
  EXPECT_EQ(rig.island.expands, 1);
  EXPECT_FALSE(panel.open());
  rig.Open();
  EXPECT_TRUE(panel.open());
  EXPECT_EQ(panel.page(), Page::Sound);
  EXPECT_EQ(panel.size(), (PanelSize{372, 314}));
  EXPECT_EQ(panel.fade_factor(), 1.0);
  EXPECT_TRUE(rig.window.tick_timer);
  EXPECT_FALSE(panel.pending_page().has_value());
  // A later frame does not set the page up again.
  panel.Show({});
  EXPECT_EQ(rig.window.created.size(), 1u);
}

TEST_F(QuickPanelTest, ShowAgainAfterDpiChangeRebuildsWithFade) {
  rig.Open();
  panel.Show({.dpi = 144});
  EXPECT_EQ(rig.window.created.size(), 2u);
  EXPECT_EQ(panel.dpi(), 144u);
  EXPECT_TRUE(rig.window.fade_clock);
  EXPECT_DOUBLE_EQ(panel.fade_factor(), 0.08);
  panel.Show({.dpi = 72});  // never below 96
  EXPECT_EQ(panel.dpi(), 96u);
}

TEST_F(QuickPanelTest, PageChangeFadesInAlongTheCurveUnlessMotionIsReduced) {
  rig.Open();
  panel.Command(control::kSoundPage);
  EXPECT_EQ(panel.page(), Page::Sound);
  EXPECT_DOUBLE_EQ(panel.fade_factor(), 0.08);
  EXPECT_EQ(panel.alpha(), AlphaByte(0.08, 1.0));
  rig.window.clock_.Advance(55);
  panel.FadeFrame();
  EXPECT_NEAR(panel.fade_factor(), FadeFactor(55), 1e-9);
  rig.window.clock_.Advance(200);
  panel.FadeFrame();
  EXPECT_EQ(panel.fade_factor(), 1.0);
  EXPECT_EQ(panel.alpha(), 255);
  EXPECT_FALSE(rig.window.fade_clock);

  rig.island.reduce_motion = true;
  panel.Command(control::kBack);
  EXPECT_EQ(panel.fade_factor(), 1.0);
}

TEST_F(QuickPanelTest, IslandOpacityScalesTheAlphaAndIsAppliedOnlyOnChange) {
  rig.Open();
  const std::size_t applied = rig.window.alphas.size();
  panel.Show({.opacity = 1.0});
  EXPECT_EQ(rig.window.alphas.size(), applied);
  panel.Show({.opacity = 0.5});
  EXPECT_EQ(rig.window.alphas.back(), 127);
}

TEST_F(QuickPanelTest, BackOnSearchSettingsReturnsToSearch) {
  rig.Open();
  panel.Command(control::kSearchPage);
  panel.Command(control::kSettings);
  EXPECT_EQ(panel.page(), Page::SearchSettings);
  panel.Command(control::kBack);
  EXPECT_EQ(panel.page(), Page::Search);
  panel.Command(control::kBack);
  EXPECT_EQ(panel.page(), Page::Home);
}

TEST_F(QuickPanelTest, SecondStartWhileBusyIsRefusedAndTheRefreshRunsAfterTheContinuation) {
  rig.Open();
  panel.Command(control::kWiFiPage);  // starts the page's refresh
  ASSERT_EQ(rig.launcher.jobs.size(), 1u);
  EXPECT_EQ(rig.window.Text(control::kStatus), L"Looking for Wi-Fi networks…");
  EXPECT_FALSE(panel.Start([](const std::atomic<bool>&) { return Continuation(); }));
  EXPECT_EQ(rig.launcher.jobs.size(), 1u);

  panel.Command(control::kRefresh);  // slot busy: only recorded
  EXPECT_TRUE(panel.deferred_refresh());
  EXPECT_EQ(rig.launcher.jobs.size(), 1u);

  panel.Tick();  // not finished yet: nothing happens
  EXPECT_EQ(rig.window.Text(control::kStatus), L"Looking for Wi-Fi networks…");

  rig.launcher.RunNext();
  EXPECT_EQ(rig.finished_posts, 1);
  panel.Tick();
  // The continuation ran, then the deferred refresh started with a rescan.
  EXPECT_FALSE(panel.deferred_refresh());
  ASSERT_EQ(rig.launcher.jobs.size(), 1u);
  ASSERT_EQ(rig.work.asked.size(), 2u);
  EXPECT_EQ(rig.work.asked.back(), std::make_pair(Page::WiFi, true));
}

TEST_F(QuickPanelTest, FinishedContinuationIsNeverOverwrittenBeforeTickTakesIt) {
  rig.Open();
  std::vector<int> ran;
  ASSERT_TRUE(panel.Start(
      [&ran](const std::atomic<bool>&) { return Continuation([&ran](QuickPanel&) { ran.push_back(1); }); }));
  rig.launcher.RunNext();
  // Finished, but not yet taken: a second task still waits its turn.
  EXPECT_FALSE(panel.Start(
      [&ran](const std::atomic<bool>&) { return Continuation([&ran](QuickPanel&) { ran.push_back(2); }); }));
  panel.Tick();
  EXPECT_EQ(ran, std::vector<int>{1});
  EXPECT_TRUE(panel.Start([](const std::atomic<bool>&) { return Continuation(); }));
}

TEST_F(QuickPanelTest, ContinuationOfATaskEndingWhileClosedIsDropped) {
  rig.Open();
  bool ran = false;
  ASSERT_TRUE(
      panel.Start([&ran](const std::atomic<bool>&) { return Continuation([&ran](QuickPanel&) { ran = true; }); }));
  panel.Close();
  EXPECT_TRUE(panel.slot().Outstanding());  // not cancelled by closing
  rig.launcher.RunNext();
  panel.Tick();
  EXPECT_FALSE(ran);
  EXPECT_TRUE(panel.slot().Idle());
}

TEST_F(QuickPanelTest, CancelledContinuationIsDropped) {
  rig.Open();
  bool ran = false;
  ASSERT_TRUE(
      panel.Start([&ran](const std::atomic<bool>&) { return Continuation([&ran](QuickPanel&) { ran = true; }); }));
  panel.slot().Cancel();
  rig.launcher.RunNext();
  panel.Tick();
  EXPECT_FALSE(ran);
}

TEST_F(QuickPanelTest, ThrowingTaskShowsTheFallbackMessageAndHoldsIt) {
  rig.Open();
  ASSERT_TRUE(panel.Start([](const std::atomic<bool>&) -> Continuation { throw std::runtime_error("radio"); }));
  rig.launcher.RunNext();
  EXPECT_EQ(rig.finished_posts, 1);  // still announced
  panel.Tick();
  const std::wstring failed = L"Windows could not complete the request. Try again or open Settings.";
  EXPECT_EQ(rig.window.Text(control::kStatus), failed);
  // Home's tick leaves the status alone for 3500 ms, then restores it.
  rig.window.clock_.Advance(3499);
  panel.Tick();
  EXPECT_EQ(rig.window.Text(control::kStatus), failed);
  rig.window.clock_.Advance(1);
  panel.Tick();
  EXPECT_EQ(rig.window.Text(control::kStatus), L"No media playing");
}

TEST_F(QuickPanelTest, EscapeOnHomeReturnsToMediaAndOnSearchClearsTextFirst) {
  rig.Open();
  EXPECT_TRUE(panel.Key(PanelKey::Escape, 0));
  EXPECT_EQ(rig.island.pages, std::vector<int>{page::kMedia});

  panel.Command(control::kSearchPage);
  rig.window.SetText(control::kSearchEdit, L"notes");
  EXPECT_TRUE(panel.Key(PanelKey::Escape, control::kSearchEdit));
  EXPECT_EQ(panel.page(), Page::Search);
  EXPECT_EQ(rig.window.Text(control::kSearchEdit), L"");
  EXPECT_EQ(rig.window.focused, control::kSearchEdit);
  EXPECT_TRUE(panel.Key(PanelKey::Escape, control::kSearchEdit));
  EXPECT_EQ(panel.page(), Page::Home);  // not opened straight into Search
  EXPECT_EQ(rig.island.collapses, 0);

  panel.Command(control::kSoundPage);
  EXPECT_TRUE(panel.Key(PanelKey::Escape, 0));
  EXPECT_EQ(panel.page(), Page::Home);
  EXPECT_FALSE(panel.Key(PanelKey::Other, 0));
}

TEST_F(QuickPanelTest, QuickSearchOpenedStraightCollapsesOnEscape) {
  panel.OpenQuickSearch();
  rig.Open();
  EXPECT_EQ(panel.page(), Page::Search);
  EXPECT_TRUE(panel.opened_straight_into_search());
  EXPECT_EQ(panel.size(), (PanelSize{428, 368}));
  panel.FadeFrame();
  EXPECT_EQ(rig.window.focused, control::kSearchEdit);
  EXPECT_TRUE(panel.Key(PanelKey::Escape, control::kSearchEdit));
  EXPECT_EQ(rig.island.collapses, 1);

  // From an open panel the hot key switches the page and sets the flag too.
  panel.Command(control::kBack);
  panel.OpenQuickSearch();
  EXPECT_EQ(panel.page(), Page::Search);
  EXPECT_TRUE(panel.opened_straight_into_search());
}

TEST_F(QuickPanelTest, EnterAndCtrlTOnlyOnSearch) {
  rig.Open();
  EXPECT_FALSE(panel.Key(PanelKey::Enter, 0));
  EXPECT_FALSE(panel.Key(PanelKey::CtrlT, 0));
  panel.Command(control::kSearchPage);
  EXPECT_TRUE(panel.Key(PanelKey::Enter, control::kSearchEdit));
  EXPECT_FALSE(panel.Key(PanelKey::Enter, control::kTerminal));
  EXPECT_TRUE(panel.Key(PanelKey::CtrlT, 0));
}

TEST_F(QuickPanelTest, CloseForgetsThePageAndResetsTheSize) {
  panel.OpenPanelAt(Page::Display);
  rig.Open();
  panel.Close();
  EXPECT_FALSE(panel.open());
  EXPECT_EQ(panel.size(), kClosedPanelSize);
  EXPECT_FALSE(rig.window.tick_timer);
  EXPECT_EQ(rig.window.hides, 1);
  panel.Close();  // nothing when closed
  EXPECT_EQ(rig.window.hides, 1);
  rig.Open();
  EXPECT_EQ(panel.page(), Page::Home);
  EXPECT_FALSE(panel.Key(PanelKey::Escape, 0) && !panel.open());
}

TEST_F(QuickPanelTest, OpenPanelAtSwitchesAnOpenPanel) {
  rig.Open();
  panel.OpenPanelAt(Page::NotchSettings);
  EXPECT_EQ(panel.page(), Page::NotchSettings);
  EXPECT_FALSE(panel.pending_page().has_value());
  EXPECT_EQ(rig.island.size_changes, 2);  // Home, then Notch
}

TEST_F(QuickPanelTest, DisplayShowsTheBrightnessReadOrThatItIsUnavailable) {
  rig.Open();
  rig.work.body = [](const std::atomic<bool>&) {
    return Continuation([](QuickPanel& p) { p.ShowBrightness({0, false}); });
  };
  panel.OpenPanelAt(Page::Display);
  ASSERT_EQ(rig.launcher.jobs.size(), 1u);
  EXPECT_FALSE(rig.window.enabled[control::kSlider]);
  rig.launcher.RunNext();
  panel.Tick();
  EXPECT_FALSE(rig.window.enabled[control::kSlider]);
  EXPECT_EQ(rig.window.texts[control::kSubtitle], L"Brightness is unavailable on this display");
  EXPECT_EQ(rig.window.texts[control::kValue], L"\u2014");
  EXPECT_EQ(rig.window.texts[control::kStatus], L"External monitors may require DDC/CI enabled.");

  panel.ShowBrightness({35, true});
  EXPECT_TRUE(rig.window.enabled[control::kSlider]);
  EXPECT_EQ(rig.window.slider, 35);
  EXPECT_EQ(rig.window.texts[control::kValue], L"35%");
  EXPECT_EQ(rig.window.texts[control::kSubtitle], L"Built-in or primary display");
  EXPECT_EQ(rig.window.texts[control::kStatus], L"Drag the slider to adjust screen brightness.");
}

TEST_F(QuickPanelTest, DisplaySliderWritesOneAtATimeSpacedAndAlwaysTheLastValue) {
  rig.Open();
  panel.OpenPanelAt(Page::Display);
  rig.launcher.RunNext();  // the read
  panel.Tick();
  panel.SliderMoved(40, true);  // unsupported yet: nothing is written
  EXPECT_TRUE(rig.work.brightness_writes.empty());
  panel.ShowBrightness({50, true});

  panel.SliderMoved(60, true);
  EXPECT_EQ(rig.window.Text(control::kValue), L"60%");
  panel.SliderMoved(65, true);  // the slot is busy
  rig.launcher.RunNext();
  panel.SliderMoved(70, true);
  panel.Tick();  // the write is done, but 64 ms have not passed
  EXPECT_EQ(rig.work.brightness_writes, std::vector<int>{60});
  EXPECT_NE(rig.window.slider, 60);  // a dragged thumb is not moved back
  rig.window.clock_.Advance(100);
  panel.Tick();
  EXPECT_EQ(rig.work.brightness_writes, (std::vector<int>{60, 70}));

  panel.SliderMoved(90, false);  // release while 70 is written
  rig.launcher.RunNext();
  panel.Tick();  // forced: written at once
  EXPECT_EQ(rig.work.brightness_writes, (std::vector<int>{60, 70, 90}));
  rig.launcher.RunNext();
  panel.Tick();
  EXPECT_EQ(rig.window.slider, 90);
  EXPECT_EQ(rig.window.Text(control::kValue), L"90%");
  EXPECT_EQ(rig.window.Text(control::kStatus), L"Drag the slider to adjust screen brightness.");
  EXPECT_TRUE(rig.launcher.jobs.empty());
}

TEST_F(QuickPanelTest, SoundPageFollowsAndSetsTheVolume) {
  rig.Open();
  panel.Command(control::kSoundPage);
  EXPECT_EQ(rig.window.slider, 30);
  EXPECT_EQ(rig.window.Text(control::kValue), L"30%");
  panel.SliderMoved(73);
  EXPECT_FLOAT_EQ(rig.sound.machine.level, 0.73f);
  panel.Command(control::kMute);
  EXPECT_TRUE(rig.sound.machine.muted);
  EXPECT_EQ(rig.window.Text(control::kMute), L"Muted");
  EXPECT_EQ(rig.window.Text(control::kValue), L"73%");
  rig.sound.machine.default_id.clear();  // no output device
  rig.sound.Binding().Bind();
  panel.Tick();
  EXPECT_FALSE(rig.window.enabled[control::kSlider]);
  panel.Command(control::kSettings);
  EXPECT_EQ(rig.host.uris, std::vector<std::wstring>{L"ms-settings:sound"});
}

TEST_F(QuickPanelTest, HomeTilesDriveMediaAndLyrics) {
  rig.media.available = true;
  rig.Open();
  EXPECT_TRUE(rig.window.enabled[control::kPlayPause]);
  EXPECT_EQ(rig.window.Text(control::kStatus), L"Quick Controls");
  panel.Command(control::kPrevious);
  panel.Command(control::kPlayPause);
  panel.Command(control::kNext);
  EXPECT_EQ(rig.media.sent, (std::vector<MediaCommandKind>{MediaCommandKind::Previous,
                                                           MediaCommandKind::TogglePlayPause, MediaCommandKind::Next}));
  rig.media.playing = true;
  panel.Tick();
  EXPECT_EQ(rig.window.Text(control::kPlayPause), L"Pause");
  rig.media.available = false;
  panel.Tick();
  EXPECT_FALSE(rig.window.enabled[control::kNext]);
  EXPECT_EQ(rig.window.Text(control::kStatus), L"No media playing");
  panel.Command(control::kLyrics);
  EXPECT_EQ(rig.window.Text(control::kLyrics), L"Lyrics off");
  panel.Command(control::kTimerPage);
  EXPECT_EQ(rig.island.pages.back(), page::kTimer);
}

TEST_F(QuickPanelTest, ThemeAndAutoHideMenusHoldTheIslandWhileOpen) {
  rig.Open();
  panel.Command(control::kNotchPage);
  bool held = false;
  rig.host.during_menu = [&] { held = panel.PanelWantsToStay(); };
  rig.host.theme = Theme::Tahoe;
  panel.Command(control::kTheme);
  EXPECT_TRUE(held);
  EXPECT_FALSE(panel.HoldsIsland());
  EXPECT_EQ(rig.window.Text(control::kSubtitle), L"Style: Notch · Theme: Tahoe");
  panel.Command(control::kAutoHide);
  EXPECT_EQ(rig.host.menus, (std::vector<TrayMenuVariant>{TrayMenuVariant::Theme, TrayMenuVariant::AutoHide}));
  panel.Command(control::kStyleActivity);
  EXPECT_EQ(rig.host.style, IslandStyle::ActivityOnly);
  EXPECT_EQ(rig.window.Text(control::kSubtitle), L"Style: Activity only · Theme: Tahoe");
}

TEST_F(QuickPanelTest, EveryCommandButTextNotificationsPingsTheIsland) {
  rig.Open();
  const int before = rig.island.pings;
  panel.Command(control::kSearchEdit, QuickPanel::Notification::EditChange);
  EXPECT_EQ(rig.island.pings, before);
  panel.Command(control::kMute);
  EXPECT_EQ(rig.island.pings, before + 1);
}

TEST_F(QuickPanelTest, NotchLinksOpenPanelAndIslandPages) {
  rig.Open();
  panel.Command(control::kSearchPage);
  EXPECT_TRUE(panel.OpenNotchLink(L"notch:display"));
  EXPECT_EQ(panel.page(), Page::Display);
  EXPECT_TRUE(panel.OpenNotchLink(L"notch:shelf"));
  EXPECT_EQ(rig.island.pages.back(), page::kShelf);
  const std::size_t setups = rig.window.created.size();
  EXPECT_TRUE(panel.OpenNotchLink(L"notch:nowhere"));  // handled, and nothing happens
  EXPECT_EQ(rig.window.created.size(), setups);
  EXPECT_EQ(panel.page(), Page::Display);
  EXPECT_FALSE(panel.OpenNotchLink(L"C:\\notch:wifi"));
}

}  // namespace
}  // namespace notch::quick
