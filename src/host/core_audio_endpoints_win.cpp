#include "host/core_audio_endpoints_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;

class CoreEndpointVolume final : public EndpointVolume {
 public:
  CoreEndpointVolume(ComPtr<IAudioEndpointVolume> volume, ComPtr<AudioEvents> events)
      : volume_(std::move(volume)), events_(std::move(events)) {}

  std::optional<VolumeReading> Read() override {
    VolumeReading reading;
    BOOL muted = FALSE;
    if (FAILED(volume_->GetMasterVolumeLevelScalar(&reading.level)) || FAILED(volume_->GetMute(&muted))) {
      return std::nullopt;
    }
    reading.muted = muted != FALSE;
    return reading;
  }
  void SetLevel(float level) override { volume_->SetMasterVolumeLevelScalar(level, nullptr); }
  void SetMute(bool muted) override { volume_->SetMute(muted ? TRUE : FALSE, nullptr); }
  bool RegisterChangeCallback() override {
    return events_ && SUCCEEDED(volume_->RegisterControlChangeNotify(events_.Get()));
  }
  void UnregisterChangeCallback() override {
    if (events_) volume_->UnregisterControlChangeNotify(events_.Get());
  }

 private:
  ComPtr<IAudioEndpointVolume> volume_;
  ComPtr<AudioEvents> events_;
};

class CoreAudioDevice final : public AudioDevice {
 public:
  CoreAudioDevice(ComPtr<IMMDevice> device, ComPtr<AudioEvents> events)
      : device_(std::move(device)), events_(std::move(events)) {}

  std::optional<std::wstring> Id() override {
    LPWSTR id = nullptr;
    if (FAILED(device_->GetId(&id)) || id == nullptr) return std::nullopt;
    std::wstring text(id);
    CoTaskMemFree(id);
    return text;
  }

  std::optional<std::wstring> FriendlyName() override {
    ComPtr<IPropertyStore> store;
    if (FAILED(device_->OpenPropertyStore(STGM_READ, store.GetAddressOf()))) return std::nullopt;
    PROPVARIANT value;
    PropVariantInit(&value);
    std::optional<std::wstring> name;
    if (SUCCEEDED(store->GetValue(kDeviceFriendlyNameKey, &value)) && value.vt == VT_LPWSTR &&
        value.pwszVal != nullptr) {
      name = value.pwszVal;
    }
    PropVariantClear(&value);
    return name;
  }

  std::unique_ptr<EndpointVolume> ActivateVolume() override {
    ComPtr<IAudioEndpointVolume> volume;
    if (FAILED(device_->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                 reinterpret_cast<void**>(volume.GetAddressOf()))) ||
        !volume) {
      return nullptr;
    }
    return std::make_unique<CoreEndpointVolume>(std::move(volume), events_);
  }

 private:
  ComPtr<IMMDevice> device_;
  ComPtr<AudioEvents> events_;
};

}  // namespace

std::unique_ptr<CoreAudioEndpoints> CoreAudioEndpoints::Create(ComPtr<AudioEvents> events) {
  ComPtr<IMMDeviceEnumerator> enumerator;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator)))) {
    return nullptr;
  }
  return std::unique_ptr<CoreAudioEndpoints>(new CoreAudioEndpoints(std::move(enumerator), std::move(events)));
}

std::unique_ptr<AudioDevice> CoreAudioEndpoints::DefaultOutput() {
  ComPtr<IMMDevice> device;
  if (FAILED(enumerator_->GetDefaultAudioEndpoint(eRender, eConsole, device.GetAddressOf())) || !device) {
    return nullptr;
  }
  return std::make_unique<CoreAudioDevice>(std::move(device), events_);
}

bool CoreAudioEndpoints::RegisterDeviceCallback() {
  return events_ && SUCCEEDED(enumerator_->RegisterEndpointNotificationCallback(events_.Get()));
}

void CoreAudioEndpoints::UnregisterDeviceCallback() {
  if (events_) enumerator_->UnregisterEndpointNotificationCallback(events_.Get());
}

}  // namespace notch
