#pragma once
// The active render endpoints through Core Audio and the switch of the
// default endpoint through the policy-configuration object. UI thread, COM
// initialised.
#include <windows.h>

#include <wrl/client.h>

#include <memory>

#include "common/core_audio_win.h"
#include "system/audio_outputs.h"

namespace notch::audio_out {

class CoreAudioOutputs final : public OutputEndpoints {
 public:
  // Null when the device enumerator cannot be created.
  static std::unique_ptr<CoreAudioOutputs> Create();

  std::vector<ActiveEndpoint> ActiveOutputs() override;
  bool SetDefaultEndpoint(const std::wstring& id, int role) override;

 private:
  explicit CoreAudioOutputs(Microsoft::WRL::ComPtr<IMMDeviceEnumerator> enumerator)
      : enumerator_(std::move(enumerator)) {}

  Microsoft::WRL::ComPtr<IMMDeviceEnumerator> enumerator_;
};

}  // namespace notch::audio_out
