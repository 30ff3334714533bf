#include "system/audio_outputs_win.h"

#include <mmreg.h>

namespace notch::audio_out {
namespace {

using Microsoft::WRL::ComPtr;

// The policy-configuration object ({870AF99C-171D-4F9E-AF0D-E63DF40C2BC9}),
// which no SDK header declares. Only SetDefaultEndpoint is called; the
// methods before it hold their vtable slots (SetDefaultEndpoint is the 14th
// method counting IUnknown's three).
constexpr CLSID kPolicyConfigClass = {0x870af99c, 0x171d, 0x4f9e, {0xaf, 0x0d, 0xe6, 0x3d, 0xf4, 0x0c, 0x2b, 0xc9}};
constexpr IID kPolicyConfigInterface = {0xf8679f50, 0x850a, 0x41cf, {0x9c, 0x72, 0x43, 0x0f, 0x29, 0x02, 0x90, 0xc8}};

struct IPolicyConfig : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetMixFormat(PCWSTR device, WAVEFORMATEX** format) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDeviceFormat(PCWSTR device, INT use_default, WAVEFORMATEX** format) = 0;
  virtual HRESULT STDMETHODCALLTYPE ResetDeviceFormat(PCWSTR device) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDeviceFormat(PCWSTR device, WAVEFORMATEX* endpoint_format,
                                                    WAVEFORMATEX* mix_format) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProcessingPeriod(PCWSTR device, INT use_default, INT64* default_period,
                                                        INT64* minimum_period) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetProcessingPeriod(PCWSTR device, INT64* period) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetShareMode(PCWSTR device, void* mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetShareMode(PCWSTR device, void* mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDefaultEndpoint(PCWSTR device, ERole role) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetEndpointVisibility(PCWSTR device, INT visible) = 0;
};

std::optional<std::wstring> FriendlyName(IMMDevice& device) {
  ComPtr<IPropertyStore> store;
  if (FAILED(device.OpenPropertyStore(STGM_READ, store.GetAddressOf())) || !store) return std::nullopt;
  PROPVARIANT value;
  PropVariantInit(&value);
  std::optional<std::wstring> name;
  if (SUCCEEDED(store->GetValue(kDeviceFriendlyNameKey, &value)) && value.vt == VT_LPWSTR && value.pwszVal != nullptr) {
    name = value.pwszVal;
  }
  PropVariantClear(&value);
  return name;
}

}  // namespace

std::unique_ptr<CoreAudioOutputs> CoreAudioOutputs::Create() {
  ComPtr<IMMDeviceEnumerator> enumerator;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                              reinterpret_cast<void**>(enumerator.GetAddressOf()))) ||
      !enumerator) {
    return nullptr;
  }
  return std::unique_ptr<CoreAudioOutputs>(new CoreAudioOutputs(std::move(enumerator)));
}

std::vector<ActiveEndpoint> CoreAudioOutputs::ActiveOutputs() {
  std::vector<ActiveEndpoint> endpoints;
  ComPtr<IMMDeviceCollection> devices;
  if (FAILED(enumerator_->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, devices.GetAddressOf())) || !devices) {
    return endpoints;
  }
  UINT count = 0;
  if (FAILED(devices->GetCount(&count))) return endpoints;
  for (UINT i = 0; i < count; ++i) {
    ComPtr<IMMDevice> device;
    if (FAILED(devices->Item(i, device.GetAddressOf())) || !device) continue;
    LPWSTR id = nullptr;
    if (FAILED(device->GetId(&id)) || id == nullptr) continue;
    ActiveEndpoint endpoint;
    endpoint.id = id;
    CoTaskMemFree(id);
    endpoint.friendly_name = FriendlyName(*device.Get());
    endpoints.push_back(std::move(endpoint));
  }
  return endpoints;
}

bool CoreAudioOutputs::SetDefaultEndpoint(const std::wstring& id, int role) {
  ComPtr<IPolicyConfig> policy;
  if (FAILED(CoCreateInstance(kPolicyConfigClass, nullptr, CLSCTX_ALL, kPolicyConfigInterface,
                              reinterpret_cast<void**>(policy.GetAddressOf()))) ||
      !policy) {
    return false;
  }
  return SUCCEEDED(policy->SetDefaultEndpoint(id.c_str(), static_cast<ERole>(role)));
}

}  // namespace notch::audio_out
