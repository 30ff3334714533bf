#include "host/audio_events_win.h"

#include <new>

#include "common/app_messages.h"
#include "host/audio_binding.h"

namespace notch {

static_assert(kRenderFlow == eRender && kConsoleRole == eConsole);

Microsoft::WRL::ComPtr<AudioEvents> AudioEvents::Create(HWND host) {
  // Takes over the reference the object starts with (MinGW-w64's
  // ComPtr::Attach would add one of its own).
  Microsoft::WRL::ComPtr<AudioEvents> events;
  *events.GetAddressOf() = new (std::nothrow) AudioEvents(host);
  return events;
}

HRESULT STDMETHODCALLTYPE AudioEvents::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IMMNotificationClient)) {
    *object = static_cast<IMMNotificationClient*>(this);
  } else if (iid == __uuidof(IAudioEndpointVolumeCallback)) {
    *object = static_cast<IAudioEndpointVolumeCallback*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE AudioEvents::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE AudioEvents::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE AudioEvents::OnDeviceStateChanged(LPCWSTR, DWORD) { return S_OK; }
HRESULT STDMETHODCALLTYPE AudioEvents::OnDeviceAdded(LPCWSTR) { return S_OK; }
HRESULT STDMETHODCALLTYPE AudioEvents::OnDeviceRemoved(LPCWSTR) { return S_OK; }
HRESULT STDMETHODCALLTYPE AudioEvents::OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) { return S_OK; }

HRESULT STDMETHODCALLTYPE AudioEvents::OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) {
  if (IsDefaultOutputChange(flow, role)) PostMessageW(host_, host_message::kDefaultDeviceChanged, 0, 0);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE AudioEvents::OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA) {
  // The host reads the level and mute state again itself.
  PostMessageW(host_, host_message::kVolumeChanged, 0, 0);
  return S_OK;
}

}  // namespace notch
