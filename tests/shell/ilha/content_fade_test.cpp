#include "shell/ilha/content_fade.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(ContentFadeTest, OldContentFadesOutIn80MsAndNewContentFadesInAfterItsDelay) {
  EXPECT_FLOAT_EQ(ContentOpacities(0.0, IslandState::Media, IslandState::Idle).previous, 1.0f);
  EXPECT_GT(ContentOpacities(40.0, IslandState::Media, IslandState::Idle).previous, 0.0f);
  EXPECT_FLOAT_EQ(ContentOpacities(80.0, IslandState::Media, IslandState::Idle).previous, 0.0f);

  // 30 ms after most changes, 90 ms after leaving a card, none into the card.
  EXPECT_FLOAT_EQ(ContentOpacities(30.0, IslandState::Media, IslandState::Idle).current, 0.0f);
  EXPECT_GT(ContentOpacities(31.0, IslandState::Media, IslandState::Idle).current, 0.0f);
  EXPECT_FLOAT_EQ(ContentOpacities(90.0, IslandState::Idle, IslandState::Notification).current, 0.0f);
  EXPECT_GT(ContentOpacities(1.0, IslandState::Expanded, IslandState::Idle).current, 0.0f);
  EXPECT_FLOAT_EQ(ContentOpacities(230.0, IslandState::Media, IslandState::Idle).current, 1.0f);
  float previous = 0.0f;
  for (double t = 30.0; t <= 230.0; t += 5.0) {
    const float now = ContentOpacities(t, IslandState::Media, IslandState::Idle).current;
    EXPECT_GE(now, previous);
    previous = now;
  }
}

TEST(ContentFadeTest, ThePanelSitsBelowTheNotchBandWithinTheShape) {
  PanelHostInputs in;
  in.style = IslandStyle::Notch;
  in.theme = Theme::Sequoia;
  in.notch_height = 26.0f;
  in.shape = {80.0f, 0.0f, 420.0f, 300.0f};
  in.upper_radius = 19.0f;
  const PanelPlacement notch = HostPanel(in);
  ASSERT_TRUE(notch.visible);
  EXPECT_FLOAT_EQ(notch.top, 31.0f);
  EXPECT_FLOAT_EQ(notch.height, 300.0f - 31.0f);
  EXPECT_FLOAT_EQ(notch.width, 340.0f - 38.0f);
  EXPECT_FLOAT_EQ(notch.left, 99.0f);
  EXPECT_EQ(notch.background, (Colour{0, 0, 0, 1}));

  in.theme = Theme::Leopard;
  EXPECT_FLOAT_EQ(HostPanel(in).width, 340.0f);
  EXPECT_EQ(HostPanel(in).background, ColourFromRgb(0x1E1E20));

  in.style = IslandStyle::Pill;
  in.theme = Theme::Tahoe;
  in.notch_height = 30.0f;
  in.shape = {80.0f, 4.0f, 420.0f, 300.0f};
  const PanelPlacement pill = HostPanel(in);
  EXPECT_FLOAT_EQ(pill.top, 4.0f + 28.0f + 5.0f);
  EXPECT_FLOAT_EQ(pill.background.a, 1.0f);  // opaque while it hosts the panel

  in.shape = {80.0f, 4.0f, 420.0f, 4.0f + 28.0f + 5.0f + 27.0f};
  EXPECT_FALSE(HostPanel(in).visible);  // too low
}

TEST(ContentFadeTest, ThePanelFadesInWhileTheShapeAnimates) {
  PanelHostInputs in;
  in.notch_height = 26.0f;
  in.shape = {80.0f, 0.0f, 420.0f, 300.0f};
  in.animating = true;
  in.since_change_ms = 20.0;
  EXPECT_FLOAT_EQ(HostPanel(in).opacity, 0.0f);
  in.since_change_ms = 185.0;
  EXPECT_FLOAT_EQ(HostPanel(in).opacity, 1.0f);
  in.since_change_ms = 60.0;
  EXPECT_GT(HostPanel(in).opacity, 0.0f);
  EXPECT_LT(HostPanel(in).opacity, 1.0f);
  in.reduce_motion = true;
  EXPECT_FLOAT_EQ(HostPanel(in).opacity, 1.0f);
}

}  // namespace
}  // namespace notch
