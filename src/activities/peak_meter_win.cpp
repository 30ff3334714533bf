#include "activities/peak_meter_win.h"

#include <windows.h>

#include <wrl/client.h>

#include "common/core_audio_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

class CoreAudioMeter final : public PeakMeterDevice {
 public:
  explicit CoreAudioMeter(ComPtr<IAudioMeterInformation> meter) : meter_(std::move(meter)) {}
  std::optional<float> Peak() override {
    float peak = 0.0f;
    if (FAILED(meter_->GetPeakValue(&peak))) return std::nullopt;
    return peak;
  }

 private:
  ComPtr<IAudioMeterInformation> meter_;
};

class CoreAudioMeterSource final : public PeakMeterSource {
 public:
  std::unique_ptr<PeakMeterDevice> OpenDefault() override {
    ComPtr<IMMDeviceEnumerator> enumerator;
    ComPtr<IMMDevice> device;
    ComPtr<IAudioMeterInformation> meter;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator))) ||
        FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)) ||
        FAILED(device->Activate(__uuidof(IAudioMeterInformation), CLSCTX_ALL, nullptr,
                                reinterpret_cast<void**>(meter.GetAddressOf())))) {
      return nullptr;
    }
    return std::make_unique<CoreAudioMeter>(std::move(meter));
  }
};

}  // namespace

PeakMeterSource& WindowsPeakMeterSource() {
  static CoreAudioMeterSource source;
  return source;
}

}  // namespace notch
