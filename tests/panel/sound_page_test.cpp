#include "panel/sound_page.h"

#include <gtest/gtest.h>

#include "panel_fakes.h"

namespace notch::quick {
namespace {

using testing::PanelRig;

class SoundPageTest : public testing::EnglishTextsTest {
 protected:
  void OpenSound() {
    rig.Open();
    panel.Command(control::kSoundPage);
  }
  void Choose(std::size_t row) {
    rig.window.Select(row);
    panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  }

  PanelRig rig;
  QuickPanel& panel = rig.panel;
  testing::FakeWindow& window = rig.window;
  notch::testing::FakeAudioMachine& machine = rig.sound.machine;
};

TEST_F(SoundPageTest, ShowsTheDefaultOutputAndListsTheActiveOnesWithTheDefaultMarkedAndSelected) {
  machine.active.push_back({L"{c}", std::nullopt});
  OpenSound();
  EXPECT_EQ(window.Text(control::kSubtitle), L"Speakers");
  EXPECT_EQ(window.slider, 30);
  EXPECT_EQ(window.Text(control::kValue), L"30%");
  EXPECT_EQ(window.Text(control::kMute), L"Mute");
  EXPECT_TRUE(window.enabled[control::kSlider]);
  EXPECT_TRUE(window.enabled[control::kMute]);

  ASSERT_EQ(window.rows.size(), 3u);
  EXPECT_EQ(window.rows[0].item_text, L"Speakers  \u00B7  Active");
  EXPECT_EQ(window.rows[0].title, L"Speakers");
  EXPECT_EQ(window.rows[0].detail, L"Default playback device");
  EXPECT_EQ(window.rows[0].right, L"Active");
  EXPECT_EQ(window.rows[1].item_text, L"Headphones");
  EXPECT_EQ(window.rows[1].detail, L"Click to switch output");
  EXPECT_EQ(window.rows[1].right, L"");
  EXPECT_EQ(window.rows[2].title, L"{c}");  // no friendly name
  for (const ListRow& row : window.rows) EXPECT_EQ(row.glyph, L'\uE7F5');
  EXPECT_EQ(window.selection, std::optional<std::size_t>(0));
  EXPECT_EQ(window.placeholder, L"No audio output devices found.");
}

TEST_F(SoundPageTest, SelectingAnotherOutputSwitchesEveryRoleRebindsAndRefills) {
  OpenSound();
  const std::wstring status_before = window.Text(control::kStatus);
  Choose(1);
  const std::vector<std::pair<std::wstring, int>> roles = {{L"{b}", 0}, {L"{b}", 1}, {L"{b}", 2}};
  EXPECT_EQ(machine.switches, roles);
  EXPECT_EQ(rig.sound.Binding().device_id(), L"{b}");
  EXPECT_EQ(window.Text(control::kStatus), L"Switched output to Headphones.");
  EXPECT_EQ(window.Text(control::kSubtitle), L"Headphones");
  ASSERT_EQ(window.rows.size(), 2u);
  EXPECT_EQ(window.rows[1].right, L"Active");
  EXPECT_EQ(window.rows[0].right, L"");
  EXPECT_EQ(window.selection, std::optional<std::size_t>(1));

  // Choosing the device that is the default now does nothing and says nothing.
  window.SetText(control::kStatus, status_before);
  const int fills = window.list_fills;
  Choose(1);
  panel.Command(control::kList, QuickPanel::Notification::ListDoubleClick);
  EXPECT_EQ(machine.switches.size(), 3u);
  EXPECT_EQ(window.Text(control::kStatus), status_before);
  EXPECT_EQ(window.list_fills, fills);
}

TEST_F(SoundPageTest, AFailedSwitchChangesNothingAndSaysSo) {
  OpenSound();
  machine.role_fails = {{0, true}, {1, true}, {2, true}};
  Choose(1);
  EXPECT_EQ(window.Text(control::kStatus), L"Windows could not switch the audio output.");
  EXPECT_EQ(rig.sound.Binding().device_id(), L"{a}");
  EXPECT_EQ(window.selection, std::optional<std::size_t>(0));  // back on the default device
  EXPECT_EQ(window.rows[0].right, L"Active");
}

TEST_F(SoundPageTest, ADefaultChangedElsewhereRefillsTheListAtTheNextTickAndOnlyThen) {
  OpenSound();
  const int fills = window.list_fills;
  for (int i = 0; i < 5; ++i) panel.Tick();
  EXPECT_EQ(window.list_fills, fills);  // same default: no refill every 100 ms

  machine.default_id = L"{b}";  // changed in Windows; the host re-binds
  rig.sound.Binding().Bind();
  panel.Tick();
  EXPECT_EQ(window.list_fills, fills + 1);
  EXPECT_EQ(window.selection, std::optional<std::size_t>(1));
  EXPECT_EQ(window.Text(control::kSubtitle), L"Headphones");
}

TEST_F(SoundPageTest, TheRefreshLeavesACapturedThumbAloneAndFollowsOnceReleased) {
  OpenSound();
  panel.SliderMoved(64, true);  // thumb-track: the mouse holds the slider
  EXPECT_FLOAT_EQ(machine.level, 0.64f);
  EXPECT_EQ(window.Text(control::kValue), L"64%");
  window.slider = -1;
  machine.level = 0.2f;  // changed elsewhere during the drag
  rig.sound.Binding().ReadVolume();
  panel.Tick();
  EXPECT_EQ(window.slider, -1);

  panel.SliderMoved(70, false);  // released
  EXPECT_FLOAT_EQ(machine.level, 0.7f);
  machine.level = 0.5f;
  panel.SliderMoved(70, false, true);  // the end-track that follows sets nothing
  EXPECT_FLOAT_EQ(machine.level, 0.5f);
  machine.level = 0.45f;
  rig.sound.Binding().ReadVolume();
  panel.Tick();
  EXPECT_EQ(window.slider, 45);
  EXPECT_EQ(window.Text(control::kValue), L"45%");
}

TEST_F(SoundPageTest, WithoutADefaultOutputTheSliderAndMuteAreDisabled) {
  machine.default_id.clear();
  rig.sound.Binding().Bind();
  OpenSound();
  EXPECT_EQ(window.Text(control::kSubtitle), L"No audio output available");
  EXPECT_EQ(window.Text(control::kValue), L"\u2014");
  EXPECT_FALSE(window.enabled[control::kSlider]);
  EXPECT_FALSE(window.enabled[control::kMute]);
  EXPECT_EQ(window.rows.size(), 2u);  // the outputs are still listed
  EXPECT_EQ(window.selection, std::nullopt);

  machine.active.clear();
  panel.Command(control::kSoundPage);
  EXPECT_TRUE(window.rows.empty());
  EXPECT_EQ(window.placeholder, L"No audio output devices found.");
}

TEST_F(SoundPageTest, MuteTogglesTheMasterMuteAndTheButtonSaysSo) {
  OpenSound();
  panel.Command(control::kMute);
  EXPECT_TRUE(machine.muted);
  EXPECT_EQ(window.Text(control::kMute), L"Muted");
  EXPECT_EQ(window.Text(control::kValue), L"30%");
  panel.Command(control::kMute);
  EXPECT_FALSE(machine.muted);
  EXPECT_EQ(window.Text(control::kMute), L"Mute");
}

}  // namespace
}  // namespace notch::quick
