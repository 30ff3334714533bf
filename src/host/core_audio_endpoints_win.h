#pragma once
// The system's audio endpoints through Core Audio: the multimedia device
// enumerator, the default render device of the console role, its friendly
// name and its endpoint volume, with AudioEvents as the callback of both
// registrations.
#include <windows.h>

#include <wrl/client.h>

#include <memory>

#include "common/core_audio_win.h"
#include "host/audio_binding.h"
#include "host/audio_events_win.h"

namespace notch {

class CoreAudioEndpoints final : public AudioEndpoints {
 public:
  // Null when the device enumerator cannot be created. `events` posts to the
  // host window.
  static std::unique_ptr<CoreAudioEndpoints> Create(Microsoft::WRL::ComPtr<AudioEvents> events);

  std::unique_ptr<AudioDevice> DefaultOutput() override;
  bool RegisterDeviceCallback() override;
  void UnregisterDeviceCallback() override;

 private:
  CoreAudioEndpoints(Microsoft::WRL::ComPtr<IMMDeviceEnumerator> enumerator, Microsoft::WRL::ComPtr<AudioEvents> events)
      : enumerator_(std::move(enumerator)), events_(std::move(events)) {}

  Microsoft::WRL::ComPtr<IMMDeviceEnumerator> enumerator_;
  Microsoft::WRL::ComPtr<AudioEvents> events_;
};

}  // namespace notch
