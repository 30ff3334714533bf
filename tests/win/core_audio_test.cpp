// The audio binding over the real Core Audio: AudioEvents' interfaces and
// posts, and the default output endpoint with and without a sound server.
// Under Wine the endpoint exists only while a PulseAudio server runs
// (tests/win/sound_server.py, named by NOTCH_SOUND_SERVER).
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "common/app_messages.h"
#include "common/text.h"
#include "host/audio_binding.h"
#include "host/audio_events_win.h"
#include "host/core_audio_endpoints_win.h"
#include "support/log_capture.h"
#include "win_test_support.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

// A message-only window whose posted messages the test reads back.
class PostTarget {
 public:
  PostTarget() : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~PostTarget() { DestroyWindow(window_); }
  PostTarget(const PostTarget&) = delete;
  PostTarget& operator=(const PostTarget&) = delete;

  HWND window() const { return window_; }
  // The WM_APP messages waiting for the window, in order.
  std::vector<UINT> Take() const {
    std::vector<UINT> messages;
    MSG message;
    while (PeekMessageW(&message, window_, kWmApp, kWmApp + 0x100, PM_REMOVE)) messages.push_back(message.message);
    return messages;
  }

 private:
  HWND window_;
};

TEST(CoreAudioEventsTest, AnswersBothCallbackInterfacesAsOneObject) {
  const ComPtr<AudioEvents> events = AudioEvents::Create(nullptr);
  ASSERT_TRUE(events);
  ComPtr<IUnknown> unknown, unknown_again;
  ComPtr<IMMNotificationClient> client;
  ComPtr<IAudioEndpointVolumeCallback> callback;
  ComPtr<IAudioMeterInformation> meter;
  ASSERT_EQ(events->QueryInterface(IID_PPV_ARGS(&client)), S_OK);
  ASSERT_EQ(events->QueryInterface(IID_PPV_ARGS(&callback)), S_OK);
  ASSERT_EQ(client->QueryInterface(IID_PPV_ARGS(&unknown)), S_OK);
  ASSERT_EQ(callback->QueryInterface(IID_PPV_ARGS(&unknown_again)), S_OK);
  EXPECT_EQ(unknown.Get(), unknown_again.Get());  // COM identity
  EXPECT_EQ(events->QueryInterface(IID_PPV_ARGS(&meter)), E_NOINTERFACE);
  EXPECT_EQ(meter.Get(), nullptr);
  // Five references now: the creator's and four interface pointers.
  EXPECT_EQ(events->AddRef(), 6u);
  EXPECT_EQ(events->Release(), 5u);
}

TEST(CoreAudioEventsTest, PostsOnlyForTheConsoleOutputAndVolumeChanges) {
  const PostTarget host;
  const ComPtr<AudioEvents> events = AudioEvents::Create(host.window());
  ASSERT_TRUE(events);
  IMMNotificationClient* client = events.Get();
  EXPECT_EQ(client->OnDefaultDeviceChanged(eRender, eCommunications, L"{x}"), S_OK);
  EXPECT_EQ(client->OnDefaultDeviceChanged(eRender, eMultimedia, L"{x}"), S_OK);
  EXPECT_EQ(client->OnDefaultDeviceChanged(eCapture, eConsole, L"{x}"), S_OK);
  EXPECT_EQ(client->OnDeviceAdded(L"{x}"), S_OK);
  EXPECT_EQ(client->OnDeviceRemoved(L"{x}"), S_OK);
  EXPECT_EQ(client->OnDeviceStateChanged(L"{x}", DEVICE_STATE_UNPLUGGED), S_OK);
  EXPECT_EQ(client->OnPropertyValueChanged(L"{x}", kDeviceFriendlyNameKey), S_OK);
  EXPECT_TRUE(host.Take().empty());

  EXPECT_EQ(client->OnDefaultDeviceChanged(eRender, eConsole, nullptr), S_OK);  // no device left
  AUDIO_VOLUME_NOTIFICATION_DATA data{};
  EXPECT_EQ(static_cast<IAudioEndpointVolumeCallback*>(events.Get())->OnNotify(&data), S_OK);
  EXPECT_EQ(host.Take(), (std::vector<UINT>{host_message::kDefaultDeviceChanged, host_message::kVolumeChanged}));
}

using testing::SoundServerState;

class CoreAudioBindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    endpoints_ = CoreAudioEndpoints::Create(AudioEvents::Create(host_.window()));
    ASSERT_TRUE(endpoints_);  // Wine has the enumerator, with or without a server
    has_output_ = endpoints_->DefaultOutput() != nullptr;
  }
  void TearDown() override {
    binding_.Stop();
    endpoints_.reset();
    CoUninitialize();
  }

  PostTarget host_;
  testing::LogCapture log_;
  std::unique_ptr<CoreAudioEndpoints> endpoints_;
  bool has_output_ = false;
  ManualClock clock_{10000};
  int huds_ = 0;
  float last_hud_level_ = -1.0f;
  AudioBinding binding_{clock_, [this](float level, bool) {
                          ++huds_;
                          last_hud_level_ = level;
                        }};
};

TEST_F(CoreAudioBindingTest, BindsTheSoundServersOutputWithItsNameAndBothCallbacks) {
  const auto state = SoundServerState();
  if (state == "running") {
    ASSERT_TRUE(has_output_) << "a sound server runs, yet there is no default output";
  }
  if (!has_output_) GTEST_SKIP() << "no default output endpoint (no sound server)";

  binding_.Start(endpoints_.get());
  EXPECT_TRUE(binding_.device_callback_registered());
  ASSERT_TRUE(binding_.bound());
  EXPECT_TRUE(binding_.volume_callback_registered());
  EXPECT_FALSE(binding_.device_id().empty());
  EXPECT_FALSE(binding_.device_name().empty());
  EXPECT_GE(binding_.last_level(), 0.0f);
  EXPECT_LE(binding_.last_level(), 1.0f);
  const OutputSummary summary = binding_.Summary();
  EXPECT_TRUE(summary.available);
  EXPECT_EQ(summary.name, binding_.device_name());
  EXPECT_EQ(huds_, 0);  // binding shows nothing

  // Re-binding the same endpoint (WM_APP+3) and re-reading (WM_APP+4) change
  // nothing, and with both callbacks in place the host timer has no work.
  const std::wstring id = binding_.device_id();
  binding_.Bind();
  binding_.ReadVolume();
  clock_.Advance(3000);
  binding_.OnHostTimer();
  EXPECT_EQ(binding_.device_id(), id);
  EXPECT_EQ(binding_.next_rebind_ms(), 10000u + AudioBinding::kRebindIntervalMs);
  EXPECT_EQ(huds_, 0);

  // Toggling mute goes through the endpoint and shows the HUD at level 0.
  // (Wine keeps the mute state, but its level is fixed at 1.0.)
  const bool muted = binding_.last_muted();
  binding_.ToggleMute();
  EXPECT_EQ(binding_.last_muted(), !muted);
  EXPECT_EQ(huds_, 1);
  EXPECT_EQ(last_hud_level_, binding_.last_muted() ? 0.0f : binding_.last_level());
  binding_.ToggleMute();
  EXPECT_EQ(binding_.last_muted(), muted);
  EXPECT_EQ(huds_, 2);

  binding_.Stop();
  EXPECT_FALSE(binding_.bound());
  EXPECT_FALSE(binding_.device_callback_registered());
  EXPECT_FALSE(binding_.Summary().available);
}

TEST_F(CoreAudioBindingTest, WithoutASoundServerTheBindingStaysReleasedAndTheTimerRetriesQuietly) {
  const auto state = SoundServerState();
  if (state == "none") {
    ASSERT_FALSE(has_output_) << "no sound server, yet there is a default output";
  }
  if (has_output_) GTEST_SKIP() << "a default output endpoint exists";

  binding_.Start(endpoints_.get());
  EXPECT_FALSE(binding_.bound());
  EXPECT_EQ(binding_.last_level(), -1.0f);
  EXPECT_EQ(binding_.Summary().name, L"Default output");
  EXPECT_FALSE(binding_.Summary().available);
  binding_.SetVolume(0.5f);  // nothing to set
  binding_.ToggleMute();

  // The host timer: a new attempt every 1500 ms, in between nothing.
  std::vector<std::uint64_t> attempts;
  std::uint64_t last = binding_.next_rebind_ms();
  for (int tick = 0; tick < 20; ++tick) {
    clock_.Advance(300);
    binding_.OnHostTimer();
    if (binding_.next_rebind_ms() != last) attempts.push_back(clock_.TickMs());
    last = binding_.next_rebind_ms();
  }
  EXPECT_EQ(attempts, (std::vector<std::uint64_t>{11500, 13000, 14500, 16000}));
  EXPECT_FALSE(binding_.bound());
  EXPECT_EQ(huds_, 0);
  EXPECT_TRUE(log_.lines().empty());
  EXPECT_TRUE(host_.Take().empty());
}

}  // namespace
}  // namespace notch
