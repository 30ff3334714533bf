#include "panel/panel_rules.h"

#include <gtest/gtest.h>

#include "shell/ilha/island_types.h"

namespace notch::quick {
namespace {

TEST(PanelRulesTest, BackLeadsHomeExceptFromSearchSettings) {
  EXPECT_EQ(BackTarget(Page::SearchSettings), Page::Search);
  EXPECT_EQ(BackTarget(Page::Search), Page::Home);
  EXPECT_EQ(BackTarget(Page::CustomizeButtons), Page::Home);
}

TEST(PanelRulesTest, EscapeWalksBackOnePlace) {
  EXPECT_EQ(Escape({Page::Home}), EscapeAction::ReturnToMedia);
  EXPECT_EQ(Escape({Page::Sound}), EscapeAction::GoHome);
  EXPECT_EQ(Escape({Page::SearchSettings}), EscapeAction::GoSearch);
  EXPECT_EQ(Escape({Page::Search, false, false, true}), EscapeAction::ClearQuery);
  EXPECT_EQ(Escape({Page::Search, false, true, true}), EscapeAction::CollapseIsland);
  EXPECT_EQ(Escape({Page::Search, false, true, false}), EscapeAction::GoHome);
  EXPECT_EQ(Escape({Page::WiFi, true}), EscapeAction::CancelPrompt);
  EXPECT_EQ(Escape({Page::Home, true}), EscapeAction::CancelPrompt);
}

TEST(PanelRulesTest, NotchLinksOpenPagesAndOnlyKnownOnes) {
  EXPECT_EQ(NotchLinkTarget(L"notch:wifi")->page, Page::WiFi);
  EXPECT_EQ(NotchLinkTarget(L"notch:bluetooth")->page, Page::Bluetooth);
  EXPECT_EQ(NotchLinkTarget(L"notch:sound")->page, Page::Sound);
  EXPECT_EQ(NotchLinkTarget(L"notch:display")->page, Page::Display);
  EXPECT_EQ(NotchLinkTarget(L"notch:searchsettings")->page, Page::SearchSettings);
  EXPECT_EQ(NotchLinkTarget(L"notch:notch")->page, Page::NotchSettings);
  EXPECT_EQ(NotchLinkTarget(L"notch:timer")->island_page, page::kTimer);
  EXPECT_EQ(NotchLinkTarget(L"notch:shelf")->island_page, page::kShelf);
  const auto unknown = NotchLinkTarget(L"notch:WiFi");
  ASSERT_TRUE(unknown.has_value());
  EXPECT_FALSE(unknown->page || unknown->island_page);
  EXPECT_FALSE(NotchLinkTarget(L"https://notch:wifi").has_value());
  EXPECT_FALSE(NotchLinkTarget(L"notch").has_value());
}

TEST(PanelRulesTest, FadeRisesFromItsStartToFullIn165Ms) {
  EXPECT_DOUBLE_EQ(FadeFactor(0.0), 0.08);
  EXPECT_DOUBLE_EQ(FadeFactor(-5.0), 0.08);
  EXPECT_DOUBLE_EQ(FadeFactor(165.0), 1.0);
  EXPECT_DOUBLE_EQ(FadeFactor(400.0), 1.0);
  // The curve front-loads: most of the way is done at a third of the time.
  EXPECT_GT(FadeFactor(55.0), 0.75);
  double previous = 0.0;
  for (double t = 0.0; t <= 165.0; t += 5.0) {
    EXPECT_GE(FadeFactor(t), previous);
    previous = FadeFactor(t);
  }
  EXPECT_FALSE(FadeStepApplies(0.500, 0.501, 100.0));
  EXPECT_TRUE(FadeStepApplies(0.500, 0.5021, 100.0));
  EXPECT_TRUE(FadeStepApplies(0.9995, 1.0, 165.0));
}

TEST(PanelRulesTest, AlphaCombinesFadeAndIslandOpacity) {
  EXPECT_EQ(AlphaByte(1.0, 1.0), 255);
  EXPECT_EQ(AlphaByte(0.5, 0.5), 63);
  EXPECT_EQ(AlphaByte(2.0, 1.0), 255);
  EXPECT_EQ(AlphaByte(1.0, -1.0), 0);
}

TEST(PanelRulesTest, ClipGrowsWithTheIslandAndGoesOnceItFits) {
  const PanelSize panel{372, 320};
  // A small island: a centred slit.
  auto clip = ClipWhileGrowing(panel, 200, 100, 20, 1.0);
  ASSERT_TRUE(clip);
  EXPECT_EQ(*clip, (PanelClip{86, -24, 287, 101, 40}));
  // At 150 % every length scales.
  clip = ClipWhileGrowing(panel, 200, 100, 20, 1.5);
  ASSERT_TRUE(clip);
  EXPECT_EQ(*clip, (PanelClip{129, -36, 430, 151, 60}));
  // Wider than the panel but not yet tall enough: full width, growing height.
  clip = ClipWhileGrowing(panel, 400, 300, 0.2, 1.0);
  ASSERT_TRUE(clip);
  EXPECT_EQ(*clip, (PanelClip{0, -24, 373, 301, 0}));
  // Negative sizes count as nothing: a zero-width slit at the centre.
  clip = ClipWhileGrowing(panel, -10, -10, 20, 1.0);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->left, 186);
  EXPECT_EQ(clip->right, 187);
  EXPECT_EQ(clip->bottom, 1);
  EXPECT_FALSE(ClipWhileGrowing(panel, 372, 320, 20, 1.0));
  EXPECT_FALSE(ClipWhileGrowing(panel, 500, 400, 20, 2.0));
}

TEST(PanelRulesTest, ScaleDipRoundsAsMulDiv) {
  EXPECT_EQ(ScaleDip(16, 96), 16);
  EXPECT_EQ(ScaleDip(16, 120), 20);
  EXPECT_EQ(ScaleDip(13, 144), 20);  // 19.5 rounds up
  EXPECT_EQ(ScaleDip(-13, 144), -20);
}

TEST(PanelRulesTest, WantsToStayInEachCase) {
  StayInputs in;
  EXPECT_FALSE(WantsToStay(in));  // closed
  in.open = true;
  in.cursor_inside = true;
  in.foreground_owned_by_panel = true;
  EXPECT_FALSE(WantsToStay(in));  // hidden and idle
  in.task_running = true;
  EXPECT_TRUE(WantsToStay(in));  // hidden but working
  in = {.open = true, .visible = true};
  EXPECT_FALSE(WantsToStay(in));
  in.cursor_inside = true;
  EXPECT_TRUE(WantsToStay(in));
  in = {.open = true, .visible = true, .foreground_owned_by_panel = true};
  EXPECT_TRUE(WantsToStay(in));
  for (StayInputs held : {StayInputs{.open = true, .visible = true, .radio_request_pending = true},
                          StayInputs{.open = true, .visible = true, .prompt_pending = true},
                          StayInputs{.open = true, .visible = true, .modal_action = true},
                          StayInputs{.open = true, .visible = true, .page = Page::CustomizeButtons}}) {
    EXPECT_TRUE(WantsToStay(held));
    EXPECT_TRUE(HoldsIsland(held));
  }
  EXPECT_FALSE(HoldsIsland({.open = true, .visible = true, .cursor_inside = true}));
}

}  // namespace
}  // namespace notch::quick
