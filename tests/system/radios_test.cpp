#include "system/radios.h"

#include <gtest/gtest.h>

#include "fake_radios.h"

namespace notch::radios {
namespace {

using testing::FakeRadios;

TEST(RadiosTest, ReadsAndSetsTheFirstRadioOfTheKind) {
  FakeRadios source;
  source.radios = {{RadioKind::WiFi, kStateOn}, {RadioKind::Bluetooth, kStateOff}, {RadioKind::Bluetooth, kStateOn}};
  EXPECT_EQ(ReadRadioState(source, RadioKind::Bluetooth), kStateOff);
  EXPECT_EQ(ReadRadioState(source, RadioKind::WiFi), kStateOn);
  EXPECT_EQ(ReadRadioState(source, RadioKind::FM), kStateUnknown);

  EXPECT_EQ(SetRadio(source, RadioKind::Bluetooth, true), L"");
  ASSERT_EQ(source.sets.size(), 1u);
  EXPECT_EQ(source.sets[0].first, 1u);
  EXPECT_TRUE(source.sets[0].second);
}

TEST(RadiosTest, SettingReportsAMissingRadioAndARefusal) {
  FakeRadios source;
  source.radios = {{RadioKind::WiFi, kStateOn, 2}};
  EXPECT_EQ(SetRadio(source, RadioKind::Bluetooth, true), L"No matching radio found.");
  EXPECT_TRUE(source.sets.empty());
  EXPECT_EQ(SetRadio(source, RadioKind::WiFi, false), L"Windows denied access to the radio.");
  source.radios[0].set_answer = kAccessUnspecified;
  EXPECT_EQ(SetRadio(source, RadioKind::WiFi, false), L"Windows denied access to the radio.");
}

TEST(RadiosTest, ToggleTileByPageAndState) {
  ToggleTile tile = RadioToggleTile(true, kStateOn, true);
  EXPECT_EQ(tile.title, L"Wi-Fi");
  EXPECT_EQ(tile.subtitle, L"On");
  EXPECT_EQ(tile.tooltip, L"Wi-Fi on");
  EXPECT_TRUE(tile.enabled);
  EXPECT_FALSE(tile.crossed);

  tile = RadioToggleTile(false, kStateOn, true);
  EXPECT_EQ(tile.subtitle, L"Discoverable");
  EXPECT_EQ(tile.tooltip, L"Bluetooth on");

  tile = RadioToggleTile(false, kStateOff, true);
  EXPECT_EQ(tile.subtitle, L"Off");
  EXPECT_EQ(tile.tooltip, L"Bluetooth off");
  EXPECT_TRUE(tile.enabled);
  EXPECT_TRUE(tile.crossed);

  // Unknown or disabled: the tile cannot be toggled, whatever the slot.
  for (std::int32_t state : {kStateUnknown, kStateDisabled, 7}) {
    tile = RadioToggleTile(false, state, true);
    EXPECT_EQ(tile.subtitle, L"Checking\u2026");
    EXPECT_EQ(tile.tooltip, L"Bluetooth");
    EXPECT_FALSE(tile.enabled);
  }
  EXPECT_FALSE(RadioToggleTile(true, kStateOn, false).enabled);
}

TEST(RadiosTest, ToggleSwitchesOnOnlyFromOff) {
  EXPECT_TRUE(ToggleTargetOn(kStateOff));
  EXPECT_FALSE(ToggleTargetOn(kStateOn));
  EXPECT_FALSE(ToggleTargetOn(kStateDisabled));
  EXPECT_EQ(PageRadio(true), RadioKind::WiFi);
  EXPECT_EQ(PageRadio(false), RadioKind::Bluetooth);
}

}  // namespace
}  // namespace notch::radios
