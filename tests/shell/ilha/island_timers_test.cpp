// The island's timers and pointer handling.
#include <gtest/gtest.h>

#include "support/island_fixture.h"

namespace notch {
namespace {

class IslandTimersTest : public testing::IslandFixture {
 protected:
  void Expand() {
    Click(ShapeCentre());
    ASSERT_EQ(state(), IslandState::Expanded);
  }
};

TEST_F(IslandTimersTest, HoverOpensAfter200MsAndLeavingCollapsesAfter250Ms) {
  Start(L"ilha_passar=1\n");
  Settle();
  island_.OnMouseMove(ShapeCentre(), false);
  EXPECT_EQ(platform_.timers[island_timer::kHoverOpen], 200u);
  EXPECT_EQ(platform_.leave_tracking_requests, 1);
  Run(199);
  EXPECT_EQ(state(), IslandState::Idle);
  Run(1);
  EXPECT_EQ(state(), IslandState::Expanded);

  island_.OnMouseLeave();
  Run(249);
  EXPECT_EQ(state(), IslandState::Expanded);
  Run(1);
  EXPECT_EQ(state(), IslandState::Idle);
  const auto lines = log_.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"ilha: ponteiro saiu, fecha"), lines.end());
}

TEST_F(IslandTimersTest, HoverNeverOpensOverAHudOrWithoutTheSetting) {
  Start(L"ilha_passar=1\n");
  island_.ShowHud(HudKind::Battery, 2500);
  island_.OnMouseMove(ShapeCentre(), false);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kHoverOpen));
  island_.OnMouseLeave();
  Setting(setting::kHoverOpen, L"0");
  Run(3000);
  island_.OnMouseMove(ShapeCentre(), false);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kHoverOpen));
}

TEST_F(IslandTimersTest, ABusyPanelKeepsTheCollapseTimerTickingAndAForegroundOneKeepsItOpen) {
  Start();
  island_.OpenQuickControls();
  ASSERT_EQ(state(), IslandState::Expanded);
  EXPECT_EQ(record().page, page::kQuickControls);
  island_.OnMouseMove(ShapeCentre(), false);
  island_.OnMouseLeave();
  panel_.busy = true;
  Run(1000);
  EXPECT_EQ(state(), IslandState::Expanded);
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kCollapse));
  panel_.busy = false;
  panel_.foreground = true;
  Run(250);
  EXPECT_EQ(state(), IslandState::Expanded);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCollapse));

  panel_.foreground = false;
  island_.OnPanelLostFocus();
  Run(250);
  EXPECT_EQ(state(), IslandState::Idle);
  EXPECT_GE(panel_.closes, 1);
}

TEST_F(IslandTimersTest, QuickSearchOpensThePanelPageAndStartsTheSearchBox) {
  Start();
  island_.OpenQuickSearch();
  EXPECT_EQ(state(), IslandState::Expanded);
  EXPECT_EQ(panel_.searches_started, 1);
  EXPECT_TRUE(panel_.last_placement.visible || record().animating);
  Settle();
  EXPECT_TRUE(panel_.last_placement.visible);
  EXPECT_FLOAT_EQ(panel_.last_placement.opacity, 1.0f);

  island_.CheckFullScreen(true);
  island_.OpenQuickSearch();  // refused while full-screen hidden
  EXPECT_EQ(panel_.searches_started, 1);
}

TEST_F(IslandTimersTest, PeriodicTimersRunOnlyWhileTheirViewShows) {
  Start();
  island_.StartCountdown(5);
  EXPECT_EQ(platform_.timers[island_timer::kCountdownRefresh], 250u);
  island_.ToggleCountdownPause();
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownRefresh));
  island_.ToggleCountdownPause();
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kCountdownRefresh));

  Click(ShapeCentre());
  island_.SetPage(page::kStatistics);
  EXPECT_EQ(platform_.timers[island_timer::kStatistics], 1000u);
  EXPECT_EQ(activities_.statistics_samples, 1);  // sampled as soon as the page opens
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownRefresh));
  Run(3000);
  EXPECT_EQ(activities_.statistics_samples, 4);
  island_.SetPage(page::kTimer);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kStatistics));
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kCountdownRefresh));

  activities_.media_view_animating = true;
  PublishMedia(true, true);
  EXPECT_EQ(platform_.timers[island_timer::kMediaView], 33u);
  activities_.media_view_animating = false;
  Run(33);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kMediaView));
}

TEST_F(IslandTimersTest, ExpandedCardItemsArePressedAndActivatedOnTheSameItem) {
  Start();
  Expand();
  activities_.areas = {{{200, 40, 240, 60}, {4, 0}}, {{260, 40, 300, 60}, {7, 0}}};
  island_.OnLeftButtonDown({210, 50});
  EXPECT_TRUE(platform_.has_capture);
  island_.OnLeftButtonUp({270, 50});  // released over another item
  EXPECT_TRUE(activities_.activated.empty());
  EXPECT_FALSE(platform_.has_capture);
  island_.OnLeftButtonDown({210, 50});
  island_.OnLeftButtonUp({215, 55});
  ASSERT_EQ(activities_.activated.size(), 1u);
  EXPECT_EQ(activities_.activated[0], (HitItem{4, 0}));

  island_.OnMouseMove({265, 45}, false);
  EXPECT_EQ(record().hovered_item, (HitItem{7, 0}));
  activities_.areas.push_back({{100, 40, 140, 60}, {hit::kArt, 0}});
  island_.OnMouseMove({110, 45}, false);
  EXPECT_EQ(record().hovered_item, HitItem{});  // the art is not a hover target
}

TEST_F(IslandTimersTest, RightClicksOnTheExpandedCard) {
  Start();
  Expand();
  activities_.areas = {{{200, 40, 240, 60}, {2, 0}}, {{260, 40, 300, 60}, {hit::kShelfItem, 3}}};
  island_.OnRightButtonUp({270, 50});
  EXPECT_EQ(activities_.shelf_removals, std::vector<int>{3});
  island_.OnRightButtonUp({210, 50});
  EXPECT_EQ(panel_.layout_pages_opened, 1);
  EXPECT_EQ(record().page, page::kQuickControls);
  island_.OnRightButtonUp({10, 400});
  EXPECT_EQ(state(), IslandState::Idle);
}

TEST_F(IslandTimersTest, LeftClicksOnTheHeaderRowGoToThePanel) {
  Start();
  Expand();
  activities_.areas = {{{200, 40, 240, 60}, {hit::kHeaderFirst, 7}}, {{260, 40, 300, 60}, {hit::kShelfItem, 3}}};
  island_.OnLeftButtonDown({210, 50});
  island_.OnLeftButtonUp({212, 52});
  EXPECT_EQ(panel_.header_clicks, (std::vector<HitItem>{{hit::kHeaderFirst, 7}}));
  EXPECT_TRUE(activities_.activated.empty());
  // Released elsewhere: nothing.
  island_.OnLeftButtonDown({210, 50});
  island_.OnLeftButtonUp({270, 50});
  EXPECT_EQ(panel_.header_clicks.size(), 1u);
  island_.OnLeftButtonDown({270, 50});
  island_.OnLeftButtonUp({270, 50});
  EXPECT_EQ(activities_.activated, (std::vector<HitItem>{{hit::kShelfItem, 3}}));
}

TEST_F(IslandTimersTest, DraggingAShelfFileStartsAfterFivePixels) {
  Start();
  Expand();
  activities_.areas = {{{200, 40, 240, 60}, {hit::kShelfItem, 1}}};
  island_.OnLeftButtonDown({210, 50});
  island_.OnMouseMove({215, 50}, true);
  EXPECT_TRUE(activities_.shelf_drags.empty());
  island_.OnMouseMove({216, 50}, true);
  EXPECT_EQ(activities_.shelf_drags, std::vector<int>{1});
  EXPECT_FALSE(platform_.has_capture);
  EXPECT_EQ(record().pressed_item, HitItem{});
}

TEST_F(IslandTimersTest, TheWheelScrollsUntimedLyricsOverTheLyricLine) {
  Start();
  Expand();
  activities_.untimed_lyric_lines = 3;
  activities_.areas = {{{150, 40, 350, 60}, {hit::kLyricLine, 0}}};
  const ScreenPoint over_lyrics{platform_.placement.left + 200, platform_.placement.top + 50};
  EXPECT_TRUE(island_.OnMouseWheel(over_lyrics, -240));
  EXPECT_EQ(record().lyrics_scroll_offset, 2);
  EXPECT_TRUE(island_.OnMouseWheel(over_lyrics, -120));
  EXPECT_EQ(record().lyrics_scroll_offset, 2);  // the last untimed line
  EXPECT_TRUE(island_.OnMouseWheel(over_lyrics, 600));
  EXPECT_EQ(record().lyrics_scroll_offset, 0);
  EXPECT_FALSE(island_.OnMouseWheel({platform_.placement.left + 20, platform_.placement.top + 300}, -120));
  island_.SetPage(page::kShelf);
  EXPECT_FALSE(island_.OnMouseWheel(over_lyrics, -120));
}

TEST_F(IslandTimersTest, ClipboardUpdatesSkipTheIslandsOwnCopy) {
  Start();
  activities_.own_copy = true;
  island_.OnClipboardUpdate();
  EXPECT_EQ(activities_.clipboard_captures, 0);
  island_.OnClipboardUpdate();
  EXPECT_EQ(activities_.clipboard_captures, 1);
  Setting(setting::kIsland, L"0");
  island_.OnClipboardUpdate();
  EXPECT_EQ(activities_.clipboard_captures, 1);
}

TEST_F(IslandTimersTest, PanelSizeChangesReshapeOnlyTheQuickControlsPage) {
  Start();
  island_.OpenQuickControls();
  Settle();
  panel_.content_size = {400.0f, 300.0f};
  island_.OnPanelSizeChanged();
  EXPECT_EQ(record().animation_kind, AnimationKind::QuickControls);
  Settle();
  EXPECT_FLOAT_EQ(island_.springs().width.position, 400.0f + 22.0f + 38.0f);
  EXPECT_FLOAT_EQ(island_.springs().height.position, island_.notch_height() + 314.0f);
}

}  // namespace
}  // namespace notch
