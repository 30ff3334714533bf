#include "host/audio_binding.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "support/island_fixture.h"

namespace notch {
namespace {

// One output device: what the system would answer for it.
struct FakeDeviceState {
  std::wstring id;
  std::optional<std::wstring> name;
  float level = 0.5f;
  bool muted = false;
  bool read_fails = false;
  bool activation_fails = false;
  bool callback_registration_fails = false;
  int activations = 0;
  int callbacks_registered = 0;  // registrations minus unregistrations
  int reads = 0;
};

class FakeVolume final : public EndpointVolume {
 public:
  explicit FakeVolume(std::shared_ptr<FakeDeviceState> state) : state_(std::move(state)) {}
  std::optional<VolumeReading> Read() override {
    ++state_->reads;
    if (state_->read_fails) return std::nullopt;
    return VolumeReading{state_->level, state_->muted};
  }
  void SetLevel(float level) override { state_->level = level; }
  void SetMute(bool muted) override { state_->muted = muted; }
  bool RegisterChangeCallback() override {
    if (state_->callback_registration_fails) return false;
    ++state_->callbacks_registered;
    return true;
  }
  void UnregisterChangeCallback() override { --state_->callbacks_registered; }

 private:
  std::shared_ptr<FakeDeviceState> state_;
};

class FakeDevice final : public AudioDevice {
 public:
  explicit FakeDevice(std::shared_ptr<FakeDeviceState> state) : state_(std::move(state)) {}
  std::optional<std::wstring> Id() override { return state_->id; }
  std::optional<std::wstring> FriendlyName() override { return state_->name; }
  std::unique_ptr<EndpointVolume> ActivateVolume() override {
    ++state_->activations;
    if (state_->activation_fails) return nullptr;
    return std::make_unique<FakeVolume>(state_);
  }

 private:
  std::shared_ptr<FakeDeviceState> state_;
};

class FakeEndpoints final : public AudioEndpoints {
 public:
  std::shared_ptr<FakeDeviceState> default_output;  // null: no default device
  bool device_registration_fails = false;
  bool device_callback = false;
  int default_queries = 0;

  std::unique_ptr<AudioDevice> DefaultOutput() override {
    ++default_queries;
    if (!default_output) return nullptr;
    return std::make_unique<FakeDevice>(default_output);
  }
  bool RegisterDeviceCallback() override {
    device_callback = !device_registration_fails;
    return device_callback;
  }
  void UnregisterDeviceCallback() override { device_callback = false; }
};

std::shared_ptr<FakeDeviceState> Device(const wchar_t* id, const wchar_t* name, float level) {
  auto state = std::make_shared<FakeDeviceState>();
  state->id = id;
  if (name != nullptr) state->name = name;
  state->level = level;
  return state;
}

struct HudCall {
  float level;
  bool muted;
  bool operator==(const HudCall&) const = default;
};

class AudioBindingTest : public ::testing::Test {
 protected:
  AudioBindingTest() { endpoints_.default_output = speakers_; }

  // The host's timer for `ms`, in its 300 ms steps.
  void RunHostTimer(int ms) {
    for (int t = 0; t < ms; t += 300) {
      clock_.Advance(300);
      binding_.OnHostTimer();
    }
  }

  ManualClock clock_{1000};
  std::vector<HudCall> huds_;
  AudioBinding binding_{clock_, [this](float level, bool muted) { huds_.push_back({level, muted}); }};
  std::shared_ptr<FakeDeviceState> speakers_ = Device(L"{0.0.0.00000000}.{speakers}", L"Speakers", 0.4f);
  FakeEndpoints endpoints_;
};

TEST(AudioDefaultDeviceChangeTest, OnlyTheConsoleRenderDeviceCounts) {
  EXPECT_TRUE(IsDefaultOutputChange(kRenderFlow, kConsoleRole));
  EXPECT_FALSE(IsDefaultOutputChange(kRenderFlow, 1));   // multimedia
  EXPECT_FALSE(IsDefaultOutputChange(kRenderFlow, 2));   // communications
  EXPECT_FALSE(IsDefaultOutputChange(1, kConsoleRole));  // capture
  EXPECT_FALSE(IsDefaultOutputChange(2, kConsoleRole));  // all flows
}

TEST_F(AudioBindingTest, StartBindsTheDefaultOutputWithoutAHud) {
  binding_.Start(&endpoints_);
  EXPECT_TRUE(endpoints_.device_callback);
  EXPECT_TRUE(binding_.bound());
  EXPECT_TRUE(binding_.volume_callback_registered());
  EXPECT_EQ(speakers_->callbacks_registered, 1);
  EXPECT_EQ(binding_.device_id(), L"{0.0.0.00000000}.{speakers}");
  EXPECT_EQ(binding_.device_name(), L"Speakers");
  EXPECT_FLOAT_EQ(binding_.last_level(), 0.4f);
  EXPECT_EQ(binding_.next_rebind_ms(), 2500u);
  EXPECT_TRUE(huds_.empty());
  const OutputSummary summary = binding_.Summary();
  EXPECT_EQ(summary.name, L"Speakers");
  EXPECT_FLOAT_EQ(summary.level, 0.4f);
  EXPECT_FALSE(summary.muted);
  EXPECT_TRUE(summary.available);
}

TEST_F(AudioBindingTest, OnlyChangesAboveAThousandthShowTheHud) {
  binding_.Start(&endpoints_);
  speakers_->level = 0.4005f;
  binding_.ReadVolume();
  EXPECT_TRUE(huds_.empty());
  speakers_->level = 0.402f;  // 0.0015 from the last reading
  binding_.ReadVolume();
  EXPECT_EQ(huds_, (std::vector<HudCall>{{0.402f, false}}));
  binding_.ReadVolume();  // the same again
  EXPECT_EQ(huds_.size(), 1u);
}

TEST_F(AudioBindingTest, MutingAtTheSameLevelShowsTheHudAtLevelZero) {
  binding_.Start(&endpoints_);
  speakers_->muted = true;
  binding_.ReadVolume();
  speakers_->muted = false;
  binding_.ReadVolume();
  EXPECT_EQ(huds_, (std::vector<HudCall>{{0.0f, true}, {0.4f, false}}));
  EXPECT_FALSE(binding_.Summary().muted);
}

TEST_F(AudioBindingTest, SwitchingTheDefaultDeviceShowsNoHudButLaterChangesDo) {
  binding_.Start(&endpoints_);
  const auto headphones = Device(L"{0.0.0.00000000}.{headphones}", L"Headphones", 0.9f);
  endpoints_.default_output = headphones;
  binding_.Bind();  // the host's WM_APP+3
  EXPECT_TRUE(huds_.empty());
  EXPECT_EQ(binding_.device_name(), L"Headphones");
  EXPECT_FLOAT_EQ(binding_.last_level(), 0.9f);
  EXPECT_EQ(speakers_->callbacks_registered, 0);  // the old device's callback went with it
  EXPECT_EQ(headphones->callbacks_registered, 1);
  headphones->level = 0.7f;
  binding_.ReadVolume();
  EXPECT_EQ(huds_, (std::vector<HudCall>{{0.7f, false}}));
}

TEST_F(AudioBindingTest, BindingTheSameDeviceAgainKeepsItsVolumeControl) {
  binding_.Start(&endpoints_);
  binding_.Bind();
  EXPECT_EQ(speakers_->activations, 1);
  EXPECT_EQ(speakers_->callbacks_registered, 1);
  EXPECT_FLOAT_EQ(binding_.last_level(), 0.4f);  // still known: the next change shows
  speakers_->level = 0.1f;
  binding_.ReadVolume();
  EXPECT_EQ(huds_.size(), 1u);
}

TEST_F(AudioBindingTest, WithoutADeviceTheBindingStaysReleasedAndTheTimerRetriesEveryOneAndAHalfSeconds) {
  endpoints_.default_output = nullptr;
  binding_.Start(&endpoints_);
  EXPECT_FALSE(binding_.bound());
  EXPECT_EQ(binding_.last_level(), -1.0f);
  EXPECT_EQ(binding_.device_id(), L"");
  const OutputSummary summary = binding_.Summary();
  EXPECT_EQ(summary.name, L"Default output");
  EXPECT_FALSE(summary.available);
  EXPECT_EQ(summary.level, 0.0f);

  RunHostTimer(3000);  // ten ticks
  EXPECT_EQ(endpoints_.default_queries, 1 + 2);
  EXPECT_TRUE(huds_.empty());

  // A device appears: the next retry binds it, without a HUD.
  endpoints_.default_output = speakers_;
  RunHostTimer(1500);
  EXPECT_TRUE(binding_.bound());
  EXPECT_TRUE(huds_.empty());
  // Both callbacks are in place now: the timer has nothing to do.
  const int queries = endpoints_.default_queries, reads = speakers_->reads;
  RunHostTimer(3000);
  EXPECT_EQ(endpoints_.default_queries, queries);
  EXPECT_EQ(speakers_->reads, reads);
}

TEST_F(AudioBindingTest, WithoutTheVolumeCallbackTheTimerPollsSoTheHudStillShows) {
  speakers_->callback_registration_fails = true;
  binding_.Start(&endpoints_);
  EXPECT_TRUE(binding_.bound());
  EXPECT_FALSE(binding_.volume_callback_registered());
  const int reads = speakers_->reads;
  RunHostTimer(600);
  EXPECT_EQ(speakers_->reads, reads + 2);  // every tick
  speakers_->level = 0.8f;
  RunHostTimer(300);
  EXPECT_EQ(huds_, (std::vector<HudCall>{{0.8f, false}}));

  // Re-binding the same device tries the registration again.
  speakers_->callback_registration_fails = false;
  RunHostTimer(1500);
  EXPECT_TRUE(binding_.volume_callback_registered());
  EXPECT_EQ(speakers_->activations, 1);
}

TEST_F(AudioBindingTest, WithoutTheDeviceCallbackTheTimerStillFollowsDeviceSwitches) {
  endpoints_.device_registration_fails = true;
  binding_.Start(&endpoints_);
  endpoints_.default_output = Device(L"{usb}", nullptr, 0.3f);
  RunHostTimer(1200);
  EXPECT_EQ(binding_.device_id(), L"{0.0.0.00000000}.{speakers}");
  RunHostTimer(300);  // 1500 ms after the last bind
  EXPECT_EQ(binding_.device_id(), L"{usb}");
  EXPECT_EQ(binding_.Summary().name, L"Default output");  // no friendly name
  EXPECT_TRUE(huds_.empty());
}

TEST_F(AudioBindingTest, FailingCallsLeaveTheBindingReleased) {
  speakers_->activation_fails = true;
  binding_.Start(&endpoints_);
  EXPECT_FALSE(binding_.bound());
  EXPECT_EQ(binding_.device_id(), L"");
  EXPECT_EQ(binding_.device_name(), L"");
  EXPECT_FALSE(binding_.Summary().available);

  speakers_->activation_fails = false;
  binding_.Bind();
  ASSERT_TRUE(binding_.bound());
  speakers_->read_fails = true;
  speakers_->level = 0.9f;
  binding_.ReadVolume();  // nothing changes
  EXPECT_FLOAT_EQ(binding_.last_level(), 0.4f);
  EXPECT_TRUE(huds_.empty());
}

TEST_F(AudioBindingTest, AReadingOutsideTheScalarRangeIsKeptInIt) {
  binding_.Start(&endpoints_);
  speakers_->level = std::numeric_limits<float>::quiet_NaN();
  binding_.ReadVolume();
  EXPECT_FLOAT_EQ(binding_.last_level(), 0.4f);
  speakers_->level = 1.5f;
  binding_.ReadVolume();
  EXPECT_EQ(huds_, (std::vector<HudCall>{{1.0f, false}}));
}

TEST_F(AudioBindingTest, SettingTheVolumeAndTogglingMuteReadBack) {
  binding_.SetVolume(0.2f);  // nothing without a binding
  binding_.ToggleMute();
  binding_.Start(&endpoints_);
  binding_.SetVolume(0.25f);
  EXPECT_FLOAT_EQ(speakers_->level, 0.25f);
  EXPECT_FLOAT_EQ(binding_.last_level(), 0.25f);
  binding_.SetVolume(7.0f);
  EXPECT_FLOAT_EQ(speakers_->level, 1.0f);
  binding_.SetVolume(-1.0f);
  EXPECT_FLOAT_EQ(speakers_->level, 0.0f);
  binding_.SetVolume(std::numeric_limits<float>::quiet_NaN());
  EXPECT_FLOAT_EQ(speakers_->level, 0.0f);
  EXPECT_EQ(binding_.Summary().level, 0.0f);  // silent, yet available
  EXPECT_TRUE(binding_.Summary().available);
  binding_.ToggleMute();
  EXPECT_TRUE(speakers_->muted);
  EXPECT_TRUE(binding_.last_muted());
  binding_.ToggleMute();
  EXPECT_FALSE(speakers_->muted);
}

TEST_F(AudioBindingTest, StopReleasesAndUnregistersBoth) {
  binding_.Start(&endpoints_);
  binding_.Stop();
  EXPECT_FALSE(binding_.bound());
  EXPECT_EQ(speakers_->callbacks_registered, 0);
  EXPECT_FALSE(endpoints_.device_callback);
  EXPECT_FALSE(binding_.device_callback_registered());
}

TEST_F(AudioBindingTest, WithoutAnEnumeratorNothingHappens) {
  binding_.Start(nullptr);
  RunHostTimer(3000);
  binding_.Bind();
  binding_.Stop();
  EXPECT_FALSE(binding_.bound());
  EXPECT_FALSE(binding_.Summary().available);
}

// The binding feeding the island's volume HUD entry point.
class AudioHudTest : public testing::IslandFixture {
 protected:
  AudioHudTest() { endpoints_.default_output = speakers_; }

  ManualClock clock_;
  std::shared_ptr<FakeDeviceState> speakers_ = Device(L"{speakers}", L"Speakers", 0.4f);
  FakeEndpoints endpoints_;
  AudioBinding binding_{clock_, [this](float level, bool muted) { island_.ShowVolumeHud(level, muted); }};
};

TEST_F(AudioHudTest, TheSliderOfTheOpenPanelShowsNoIslandHud) {
  Start();
  binding_.Start(&endpoints_);
  panel_.foreground = true;
  binding_.SetVolume(0.7f);
  EXPECT_FALSE(record().hud_pending);
  panel_.foreground = false;
  panel_.busy = true;
  binding_.ToggleMute();
  EXPECT_FALSE(record().hud_pending);
  panel_.busy = false;
  binding_.ReadVolume();  // nothing new since
  EXPECT_FALSE(record().hud_pending);

  speakers_->muted = false;  // from elsewhere
  binding_.ReadVolume();
  EXPECT_EQ(state(), IslandState::Hud);
  EXPECT_EQ(record().hud_kind, HudKind::Volume);
  EXPECT_FLOAT_EQ(record().hud_volume_level, 0.7f);
  EXPECT_FALSE(record().hud_muted);
}

TEST_F(AudioHudTest, AMuteShowsForOneAndAHalfSeconds) {
  Start();
  binding_.Start(&endpoints_);
  speakers_->muted = true;
  binding_.ReadVolume();
  EXPECT_EQ(state(), IslandState::Hud);
  EXPECT_TRUE(record().hud_muted);
  EXPECT_EQ(record().hud_volume_level, 0.0f);
  Run(1499);
  EXPECT_EQ(state(), IslandState::Hud);
  Run(1);
  EXPECT_EQ(state(), IslandState::Idle);
}

}  // namespace
}  // namespace notch
