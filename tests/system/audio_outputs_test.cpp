#include "system/audio_outputs.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <memory>

#include "support/english_texts_test.h"
#include "support/fake_audio_machine.h"

namespace notch::audio_out {
namespace {

using EnglishTexts = testing::EnglishTextsTest;

class OutputListTest : public EnglishTexts {};
class SoundViewTest : public EnglishTexts {};

using FakeMachine = testing::FakeAudioMachine;
using FakeAudioEndpoints = testing::FakeAudioEndpoints;
using FakeOutputs = testing::FakeOutputEndpoints;

class AudioOutputsTest : public EnglishTexts {
 protected:
  AudioOutputsTest() : endpoints_(machine_), outputs_(machine_), binding_(clock_, [](float, bool) {}) {
    machine_.active = {{L"{a}", L"Speakers"}, {L"{b}", L"Headphones"}, {L"{c}", std::nullopt}};
    machine_.default_id = L"{a}";
    binding_.Start(&endpoints_);
  }
  ~AudioOutputsTest() override { binding_.Stop(); }

  ManualClock clock_;
  FakeMachine machine_;
  FakeAudioEndpoints endpoints_;
  FakeOutputs outputs_;
  AudioBinding binding_;
};

TEST_F(AudioOutputsTest, ListsActiveEndpointsMarkingOnlyTheBoundDefault) {
  const std::vector<OutputEntry> entries = OutputDevices(outputs_, binding_.device_id());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries[0].is_default);
  EXPECT_FALSE(entries[1].is_default);
  EXPECT_FALSE(entries[2].is_default);
  EXPECT_EQ(entries[2].name, L"{c}");  // no friendly name: listed under its ID

  // Without a bound device nothing is marked, even an endpoint with an empty ID.
  machine_.active.push_back({L"", L"Ghost"});
  for (const OutputEntry& entry : OutputDevices(outputs_, L"")) EXPECT_FALSE(entry.is_default);
  EXPECT_EQ(OutputDevices(outputs_, L"").size(), 3u);
}

TEST_F(AudioOutputsTest, RowsMarkAndSelectTheDefaultDevice) {
  OutputList list;
  list.Fill(OutputDevices(outputs_, binding_.device_id()));
  const std::vector<OutputRow> rows = list.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].item_text, L"Speakers  \u00B7  Active");
  EXPECT_EQ(rows[0].detail, L"Default playback device");
  EXPECT_EQ(rows[0].right, L"Active");
  EXPECT_TRUE(rows[0].selected);
  EXPECT_EQ(rows[1].item_text, L"Headphones");
  EXPECT_EQ(rows[1].detail, L"Click to switch output");
  EXPECT_EQ(rows[1].right, L"");
  EXPECT_FALSE(rows[1].selected);
}

TEST_F(AudioOutputsTest, SwitchSetsEveryRoleInOrderAndRebindsTheNewDefault) {
  OutputList list;
  list.Fill(OutputDevices(outputs_, binding_.device_id()));
  const SwitchOutcome outcome = SwitchOutput(outputs_, list, 1, binding_);
  EXPECT_TRUE(outcome.switched);
  EXPECT_EQ(outcome.status, L"Switched output to Headphones.");
  const std::vector<std::pair<std::wstring, int>> expected = {{L"{b}", 0}, {L"{b}", 1}, {L"{b}", 2}};
  EXPECT_EQ(machine_.switches, expected);
  EXPECT_EQ(binding_.device_id(), L"{b}");
  EXPECT_EQ(binding_.device_name(), L"Headphones");
}

TEST_F(AudioOutputsTest, SwitchSucceedsWhenAnyRoleTakesAndFailsWhenNoneDoes) {
  OutputList list;
  list.Fill(OutputDevices(outputs_, binding_.device_id()));
  machine_.role_fails = {{0, true}, {1, false}, {2, true}};
  EXPECT_TRUE(SwitchOutput(outputs_, list, 1, binding_).switched);

  machine_.role_fails = {{0, true}, {1, true}, {2, true}};
  const SwitchOutcome failed = SwitchOutput(outputs_, list, 2, binding_);
  EXPECT_TRUE(failed.attempted);
  EXPECT_FALSE(failed.switched);
  EXPECT_EQ(failed.status, L"Windows could not switch the audio output.");
  EXPECT_EQ(binding_.device_id(), L"{a}");
}

TEST_F(AudioOutputsTest, SelectingTheDefaultOrNothingDoesNothing) {
  OutputList list;
  list.Fill(OutputDevices(outputs_, binding_.device_id()));
  for (std::optional<std::size_t> selected :
       {std::optional<std::size_t>{0}, std::optional<std::size_t>{}, std::optional<std::size_t>{7}}) {
    const SwitchOutcome outcome = SwitchOutput(outputs_, list, selected, binding_);
    EXPECT_FALSE(outcome.attempted);
    EXPECT_TRUE(outcome.status.empty());
  }
  EXPECT_TRUE(machine_.switches.empty());
}

TEST_F(OutputListTest, RefillsOnForceOrWhenTheDefaultNameChanges) {
  OutputList list;
  EXPECT_TRUE(list.NeedsRefill(false, L"Speakers"));  // first fill
  EXPECT_FALSE(list.NeedsRefill(false, L"Speakers"));
  EXPECT_TRUE(list.NeedsRefill(true, L"Speakers"));
  EXPECT_TRUE(list.NeedsRefill(false, L"Headphones"));  // switched elsewhere
  EXPECT_FALSE(list.NeedsRefill(false, L"Headphones"));
}

TEST_F(SoundViewTest, ShowsTheDefaultOutputAndKeepsACapturedThumb) {
  SoundView view = ViewFor(OutputSummary{L"Speakers", 0.505f, true, true}, false);
  EXPECT_EQ(view.subtitle, L"Speakers");
  EXPECT_EQ(view.slider, 51);
  EXPECT_EQ(view.label, L"51%");
  EXPECT_EQ(view.mute_text, L"Muted");
  EXPECT_TRUE(view.controls_enabled);

  view = ViewFor(OutputSummary{L"Speakers", 0.2f, false, true}, true);
  EXPECT_FALSE(view.slider.has_value());
  EXPECT_EQ(view.mute_text, L"Mute");

  view = ViewFor(OutputSummary{}, false);
  EXPECT_EQ(view.subtitle, L"No audio output available");
  EXPECT_EQ(view.label, L"\u2014");
  EXPECT_FALSE(view.controls_enabled);
}

TEST_F(SoundViewTest, VolumePercentRoundsAndStaysInRange) {
  EXPECT_EQ(VolumePercent(0.0f), 0);
  EXPECT_EQ(VolumePercent(0.994f), 99);
  EXPECT_EQ(VolumePercent(0.995f), 100);
  EXPECT_EQ(VolumePercent(1.7f), 100);
  EXPECT_EQ(VolumePercent(-0.2f), 0);
  EXPECT_EQ(VolumePercent(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace notch::audio_out
