#include "shell/ilha/island_geometry.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

GeometryInputs Inputs(IslandStyle style, Theme theme, float n = 26.0f) {
  GeometryInputs in;
  in.style = style;
  in.theme = theme;
  in.notch_height = n;
  return in;
}

TEST(IslandGeometryTest, PillRowsInEveryTheme) {
  for (const IslandStyle style : {IslandStyle::Pill, IslandStyle::ActivityOnly}) {
    for (const Theme theme : {Theme::Sequoia, Theme::Tahoe, Theme::GoldenGate, Theme::Leopard}) {
      const GeometryInputs in = Inputs(style, theme);
      EXPECT_EQ(TargetGeometry(IslandState::Hidden, in), (ShapeGeometry{90, 14, 7, 7}));
      EXPECT_EQ(TargetGeometry(IslandState::Idle, in), (ShapeGeometry{112, 22, 11, 11}));
      EXPECT_EQ(TargetGeometry(IslandState::Media, in), (ShapeGeometry{232, 22, 11, 11}));
      EXPECT_EQ(TargetGeometry(IslandState::Timer, in), (ShapeGeometry{232, 22, 11, 11}));
      EXPECT_EQ(TargetGeometry(IslandState::Hud, in), (ShapeGeometry{244, 22, 11, 11}));
      EXPECT_EQ(TargetGeometry(IslandState::Notification, in), (ShapeGeometry{320, 54, 20, 20}));
      const float r = theme == Theme::GoldenGate ? 30.0f : theme == Theme::Leopard ? 12.0f : 24.0f;
      EXPECT_EQ(TargetGeometry(IslandState::Expanded, in), (ShapeGeometry{300, 134, r, r}));
    }
  }
}

TEST(IslandGeometryTest, NotchRowsForTheModernThemesAndLeopard) {
  const float n = 30.0f;
  for (const Theme theme : {Theme::Sequoia, Theme::Tahoe, Theme::GoldenGate}) {
    const GeometryInputs in = Inputs(IslandStyle::Notch, theme, n);
    EXPECT_EQ(TargetGeometry(IslandState::Hidden, in), (ShapeGeometry{128.8f, 15, 4, 6}));
    EXPECT_EQ(TargetGeometry(IslandState::Idle, in), (ShapeGeometry{184, n, 6, 9}));
    EXPECT_EQ(TargetGeometry(IslandState::Media, in), (ShapeGeometry{264, n, 6, 9}));
    EXPECT_EQ(TargetGeometry(IslandState::Hud, in), (ShapeGeometry{316, n, 6, 9}));
    EXPECT_EQ(TargetGeometry(IslandState::Notification, in), (ShapeGeometry{344, n + 50, 12, 20}));
    EXPECT_EQ(TargetGeometry(IslandState::Expanded, in), (ShapeGeometry{338, n + 106, 19, 24}));
  }
  const GeometryInputs leopard = Inputs(IslandStyle::Notch, Theme::Leopard, n);
  EXPECT_EQ(TargetGeometry(IslandState::Hidden, leopard), (ShapeGeometry{128.8f, 15, 0, 4}));
  EXPECT_EQ(TargetGeometry(IslandState::Idle, leopard), (ShapeGeometry{184, n, 0, 6}));
  EXPECT_EQ(TargetGeometry(IslandState::Timer, leopard), (ShapeGeometry{264, n, 0, 6}));
  EXPECT_EQ(TargetGeometry(IslandState::Hud, leopard), (ShapeGeometry{316, n, 0, 6}));
  EXPECT_EQ(TargetGeometry(IslandState::Notification, leopard), (ShapeGeometry{320, n + 50, 0, 10}));
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, leopard), (ShapeGeometry{300, n + 106, 0, 10}));
}

TEST(IslandGeometryTest, PrivacyWidensIdleMediaAndTimer) {
  GeometryInputs in = Inputs(IslandStyle::Notch, Theme::Sequoia);
  in.privacy = true;
  EXPECT_EQ(TargetGeometry(IslandState::Idle, in).width, 208.0f);
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 288.0f);
  EXPECT_EQ(TargetGeometry(IslandState::Timer, in).width, 288.0f);
  EXPECT_EQ(TargetGeometry(IslandState::Hud, in).width, 316.0f);
  in.style = IslandStyle::Pill;
  EXPECT_EQ(TargetGeometry(IslandState::Idle, in).width, 136.0f);
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 256.0f);
}

TEST(IslandGeometryTest, TimedLyricsWidenTheMediaPillBetweenItsWidthAnd472) {
  GeometryInputs in = Inputs(IslandStyle::Notch, Theme::Sequoia);
  in.lyrics_timed = true;
  in.lyric_width = 100.0f;
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 264.0f);  // 78 + 100 is narrower
  in.lyric_width = 300.0f;
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 378.0f);
  in.countdown_running = true;
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 418.0f);
  in.privacy = true;
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 442.0f);
  in.lyric_width = 400.0f;
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 472.0f);
  EXPECT_EQ(TargetGeometry(IslandState::Timer, in).width, 288.0f);  // only the Media state
  in.lyrics_timed = false;
  EXPECT_EQ(TargetGeometry(IslandState::Media, in).width, 288.0f);
}

TEST(IslandGeometryTest, ExpandedContentFollowsTheTrackAndThePanel) {
  GeometryInputs in = Inputs(IslandStyle::Pill, Theme::Sequoia);
  in.page = page::kMedia;
  in.lyric_width = 250.0f;
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).width, 300.0f);  // no track: default size
  in.track_exists = true;
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).width, 356.0f);
  in.lyric_width = 400.0f;
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).width, 432.0f);
  in.lyrics_panel_open = true;
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).height, 106.0f + 18.0f + 28.0f);
  in.page = page::kShelf;
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in), (ShapeGeometry{300, 134, 24, 24}));

  in.page = page::kQuickControls;
  in.panel_size = {200.0f, 250.0f};
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).width, 300.0f);
  in.panel_size = {360.0f, 250.0f};
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).width, 382.0f);
  EXPECT_EQ(TargetGeometry(IslandState::Expanded, in).height, 264.0f + 28.0f);
}

TEST(IslandGeometryTest, NotchHeightAtCommonScalings) {
  // 150 % with Sequoia: round(144 * 26 / 96) / 1.5 = 26.
  EXPECT_FLOAT_EQ(NotchHeight(144, 1.5f, Theme::Sequoia), 26.0f);
  EXPECT_FLOAT_EQ(NotchHeight(96, 1.0f, Theme::Sequoia), 26.0f);
  EXPECT_FLOAT_EQ(NotchHeight(120, 1.25f, Theme::Tahoe), 38.0f / 1.25f);  // 37.5 pixels round up
  EXPECT_FLOAT_EQ(NotchHeight(192, 2.0f, Theme::GoldenGate), 30.0f);
  EXPECT_FLOAT_EQ(NotchHeight(96, 1.0f, Theme::Leopard), 22.0f);
  // A window at 200 % on a 100 % monitor: the band keeps its physical size,
  // but never below 18 DIPs.
  EXPECT_FLOAT_EQ(NotchHeight(96, 2.0f, Theme::Sequoia), 18.0f);
}

TEST(IslandGeometryTest, ThePillFloatsInTheNotchBand) {
  EXPECT_FLOAT_EQ(ShapeTop(IslandStyle::Pill, 30.0f), 4.0f);
  EXPECT_FLOAT_EQ(ShapeTop(IslandStyle::ActivityOnly, 18.0f), 0.0f);
  EXPECT_FLOAT_EQ(ShapeTop(IslandStyle::Notch, 30.0f), 0.0f);
  const RectF pill = ShapeRect(112.0f, 22.0f, IslandStyle::Pill, 30.0f);
  EXPECT_EQ(pill, (RectF{194.0f, 4.0f, 306.0f, 26.0f}));
  EXPECT_EQ(ShapeRect(0.2f, -3.0f, IslandStyle::Notch, 26.0f), (RectF{249.5f, 0.0f, 250.5f, 1.0f}));
}

TEST(IslandGeometryTest, RegionAddsTheMarginAndVanishesWhenFaded) {
  // Notch, Sequoia: 1 DIP of margin, rounded outwards at 150 %.
  EXPECT_EQ(RegionRect(184.0f, 26.0f, IslandStyle::Notch, Theme::Sequoia, 26.0f, 1.5f, 1.0f, 1.0f),
            (PixelRect{235, 0, 515, 41}));
  // Pill: 4 DIPs, and the band offset K.
  EXPECT_EQ(RegionRect(112.0f, 22.0f, IslandStyle::Pill, Theme::Sequoia, 30.0f, 1.0f, 1.0f, 1.0f),
            (PixelRect{190, 0, 310, 30}));
  // Leopard notch: 4 DIPs too.
  EXPECT_EQ(RegionRect(184.0f, 22.0f, IslandStyle::Notch, Theme::Leopard, 22.0f, 1.0f, 1.0f, 1.0f),
            (PixelRect{154, 0, 346, 26}));
  EXPECT_TRUE(RegionRect(184.0f, 22.0f, IslandStyle::Notch, Theme::Sequoia, 22.0f, 1.0f, 0.04f, 0.0f).empty());
  EXPECT_FALSE(RegionRect(184.0f, 22.0f, IslandStyle::Notch, Theme::Sequoia, 22.0f, 1.0f, 0.04f, 1.0f).empty());
}

TEST(IslandGeometryTest, WindowRevealStripAndSurface) {
  const PixelRect monitor{0, 0, 1920, 1080};
  EXPECT_EQ(WindowPlacement(monitor, 1.0f), (PixelRect{710, 0, 1210, 430}));
  EXPECT_EQ(WindowPlacement(monitor, 1.5f), (PixelRect{585, 0, 1335, 645}));
  EXPECT_EQ(WindowPlacement({-1920, 0, 0, 1080}, 1.0f), (PixelRect{-1210, 0, -710, 430}));
  EXPECT_EQ(RevealStrip(monitor, 186.0f, 1.5f), (PixelRect{820, 0, 1099, 5}));
  EXPECT_EQ(RevealStrip({0, 0, 100, 50}, 186.0f, 1.0f).width(), 100);
  EXPECT_EQ(DrawingSurfaceSize(1.25f, false).height, 120);
  EXPECT_EQ(DrawingSurfaceSize(1.25f, true).height, 538);
  EXPECT_EQ(DrawingSurfaceSize(1.25f, true).width, 625);
}

}  // namespace
}  // namespace notch
