// The brightness and output-device back ends over the real system calls.
// Wine has no WMI monitor classes and no DDC/CI monitor, so brightness ends
// as unsupported; its render endpoints exist while a PulseAudio server runs.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>

#include "common/clock.h"
#include "host/audio_binding.h"
#include "host/core_audio_endpoints_win.h"
#include "system/audio_outputs_win.h"
#include "system/brightness_win.h"
#include "win_test_support.h"

namespace notch {
namespace {

class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

TEST(BrightnessWinTest, ReadsAndWritesWithoutAMonitorReportUnsupported) {
  ComApartment com;
  brightness::DxvaMonitors monitors;
  const brightness::Result read = brightness::DisplayBrightnessWin({0, false});
  const brightness::Result write = brightness::DisplayBrightnessWin({55, true});
  if (testing::RunningUnderWine()) {
    EXPECT_FALSE(read.supported);
    EXPECT_FALSE(write.supported);
    brightness::WmiBrightnessWin wmi;
    if (wmi.Connect()) {
      EXPECT_FALSE(wmi.Read().has_value());
    }
    const auto count = monitors.Open();
    if (count) {
      for (std::uint32_t i = 0; i < *count; ++i) EXPECT_FALSE(monitors.Get(i).has_value());
    }
    monitors.Close();
  }
  EXPECT_GE(read.value, 0);
  EXPECT_LE(read.value, 100);
}

TEST(CoreAudioOutputsTest, ListsTheBoundDefaultOutputAsDefault) {
  ComApartment com;
  const std::unique_ptr<audio_out::CoreAudioOutputs> outputs = audio_out::CoreAudioOutputs::Create();
  ASSERT_NE(outputs, nullptr);
  const std::unique_ptr<CoreAudioEndpoints> endpoints = CoreAudioEndpoints::Create(nullptr);
  ASSERT_NE(endpoints, nullptr);
  ManualClock clock;
  AudioBinding binding(clock, [](float, bool) {});
  binding.Start(endpoints.get());

  const std::vector<audio_out::OutputEntry> entries = audio_out::OutputDevices(*outputs, binding.device_id());
  const auto defaults = std::count_if(entries.begin(), entries.end(), [](const auto& e) { return e.is_default; });
  if (binding.bound()) {
    ASSERT_EQ(defaults, 1);
    const auto it = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.is_default; });
    EXPECT_EQ(it->id, binding.device_id());
    EXPECT_FALSE(it->name.empty());
  } else {
    EXPECT_EQ(defaults, 0);
  }
  // No endpoint has this ID: the switch fails and the binding stays.
  const std::wstring before = binding.device_id();
  EXPECT_FALSE(audio_out::SetDefaultOutput(*outputs, L"{0.0.0.00000000}.{no-such-endpoint}", binding));
  EXPECT_EQ(binding.device_id(), before);
  binding.Stop();
}

}  // namespace
}  // namespace notch
