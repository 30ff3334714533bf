#pragma once
// AudioEvents: the Core Audio callback object. It answers default-device and
// endpoint-volume notifications on Core Audio's threads by posting to the
// host window (WM_APP+3 for the console role's default render device,
// WM_APP+4 for a volume or mute change) and touches nothing else.
#include <windows.h>

#include <wrl/client.h>

#include <atomic>

#include "common/core_audio_win.h"

namespace notch {

class AudioEvents final : public IMMNotificationClient, public IAudioEndpointVolumeCallback {
 public:
  // A new object holding one reference for the caller.
  static Microsoft::WRL::ComPtr<AudioEvents> Create(HWND host);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IMMNotificationClient
  HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR device_id, DWORD new_state) override;
  HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR device_id) override;
  HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR device_id) override;
  HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR default_device_id) override;
  HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR device_id, const PROPERTYKEY key) override;

  // IAudioEndpointVolumeCallback
  HRESULT STDMETHODCALLTYPE OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data) override;

 private:
  explicit AudioEvents(HWND host) : host_(host) {}
  ~AudioEvents() = default;

  const HWND host_;
  std::atomic<ULONG> references_{1};
};

}  // namespace notch
