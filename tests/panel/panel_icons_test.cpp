#include "panel/panel_icons.h"

#include <gtest/gtest.h>

#include "panel/button_layout.h"
#include "render/path_icon.h"

namespace notch::quick {
namespace {

TEST(PanelIconsTest, EveryIconParsesAndControlsWithoutOneHaveNone) {
  for (const Page page : {Page::Home, Page::WiFi, Page::Bluetooth, Page::SearchSettings, Page::Search}) {
    for (int id = 100; id <= 143; ++id) {
      const char* path = ControlIconPath(id, {page});
      if (path != nullptr) {
        EXPECT_TRUE(ParsePathIcon(path)) << id;
      }
    }
  }
  for (int id : {control::kList, control::kPromptEdit, control::kSlider, control::kSearchEdit, control::kStatus}) {
    EXPECT_EQ(ControlIconPath(id, {}), nullptr) << id;
  }
  EXPECT_EQ(ControlIconPath(control::kRadioToggle, {Page::Home}), nullptr);
  EXPECT_TRUE(ParsePathIcon(kListRowChevronPath));
}

TEST(PanelIconsTest, IconsFollowTheControlsState) {
  const std::string_view wifi = ControlIconPath(control::kWiFiPage, {});
  EXPECT_EQ(ControlIconPath(control::kRadioToggle, {Page::WiFi}), wifi);
  EXPECT_NE(ControlIconPath(control::kRadioToggle, {Page::WiFi, false, true, false, true}), wifi);
  EXPECT_EQ(ControlIconPath(control::kRadioToggle, {Page::Bluetooth}),
            std::string_view(ControlIconPath(control::kBluetoothPage, {})));
  EXPECT_EQ(std::string_view(ControlIconPath(control::kMute, {})), ControlIconPath(control::kSoundPage, {}));
  EXPECT_NE(std::string_view(ControlIconPath(control::kMute, {Page::Sound, false, true, true})),
            ControlIconPath(control::kSoundPage, {}));
  // The primary action: link on the radio pages, tick on the search settings, open elsewhere.
  EXPECT_NE(std::string_view(ControlIconPath(control::kAct, {Page::WiFi})),
            ControlIconPath(control::kAct, {Page::Search}));
  EXPECT_EQ(std::string_view(ControlIconPath(control::kAct, {Page::SearchSettings})),
            ControlIconPath(control::kPromptSubmit, {}));
  // Tiles and chips show the same icons as the island header.
  for (int button = 0; button < kButtonCount; ++button) {
    for (const bool on : {false, true}) {
      const IconState state{Page::Home, on, on};
      const int id = ButtonCatalogue()[static_cast<std::size_t>(button)].id;
      EXPECT_EQ(std::string_view(ControlIconPath(id, state)), ButtonIconPath(button, on, on)) << button;
      EXPECT_EQ(std::string_view(ControlIconPath(kChipBaseId + button, state)), ButtonIconPath(button, on, on));
    }
  }
}

TEST(PanelIconsTest, PolylinesAreScaledCentredAndFlattened) {
  // A 28-square leaves a 24 icon: one grid unit per pixel, 2 pixels in.
  const auto chevron = IconPolylines("M 15 5 L 8 12 L 15 19", {10, 20, 38, 48}, 24.0f);
  ASSERT_EQ(chevron.size(), 1u);
  EXPECT_EQ(chevron[0], (Polyline{{27, 27}, {20, 34}, {27, 41}}));

  const auto closed = IconPolylines("M 0 0 L 24 0 L 24 24 Z M 0 12 Q 12 0 24 12", {0, 0, 28, 28}, 12.0f, 4);
  ASSERT_EQ(closed.size(), 2u);
  EXPECT_EQ(closed[0].front(), closed[0].back());  // the closed figure returns to its start
  ASSERT_EQ(closed[1].size(), 5u);                 // start and four pieces
  EXPECT_EQ(closed[1].front(), (PointF{8, 14}));
  EXPECT_EQ(closed[1][2], (PointF{14, 11}));  // the curve's midpoint, half way to its control point
  EXPECT_EQ(closed[1].back(), (PointF{20, 14}));

  EXPECT_TRUE(IconPolylines("M 1 2 X", {0, 0, 28, 28}, 24.0f).empty());
  EXPECT_TRUE(IconPolylines("M 1 2 L 3 4", {0, 0, 4, 4}, 24.0f).empty());
}

}  // namespace
}  // namespace notch::quick
