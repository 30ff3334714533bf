#include "system/radios_win.h"

#include <windows.h>

#include <wrl/client.h>

#include <mutex>
#include <string>
#include <utility>

#include "common/text.h"
#include "host/notification_listener_win.h"
#include "winrt/activation_win.h"
#include "winrt/await_win.h"
#include "winrt/delegate_win.h"
#include "winrt/device_enumeration_win.h"
#include "winrt/hstring_win.h"
#include "winrt/radios_win.h"
#include "winrt/string_iterable_win.h"

namespace notch {
namespace {

using Microsoft::WRL::ComPtr;
using namespace winrt;

[[noreturn]] void Fail(HRESULT result) { throw radios::RadioError(WideToUtf8(ErrorMessage(result))); }
void Check(HRESULT result) {
  if (FAILED(result)) Fail(result);
}

// A COM pointer kept in a portable handle.
template <class Interface>
std::shared_ptr<void> Share(ComPtr<Interface> object) {
  Interface* raw = object.Detach();
  return std::shared_ptr<void>(raw, [](void* p) {
    if (p != nullptr) static_cast<Interface*>(p)->Release();
  });
}

// QueryInterface by our declarations' IIDs (ComPtr::As wants __uuidof).
template <class Interface>
HRESULT Query(IUnknown* object, ComPtr<Interface>& result) {
  return object->QueryInterface(Interface::Iid(), reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
}

// The state of an async operation or action; Error when it cannot be read.
AsyncStatus StatusOf(IInspectable* async) {
  ComPtr<IAsyncInfo> info;
  AsyncStatus status = AsyncStatus::Error;
  if (SUCCEEDED(async->QueryInterface(__uuidof(IAsyncInfo), reinterpret_cast<void**>(info.GetAddressOf())))) {
    if (FAILED(info->get_Status(&status))) status = AsyncStatus::Error;
  }
  return status;
}

void CancelAsync(IInspectable* async) {
  ComPtr<IAsyncInfo> info;
  if (SUCCEEDED(async->QueryInterface(__uuidof(IAsyncInfo), reinterpret_cast<void**>(info.GetAddressOf())))) {
    info->Cancel();
  }
}

// ---- Radios ------------------------------------------------------------------------

class WinRadioList final : public radios::RadioList {
 public:
  explicit WinRadioList(ComPtr<winrt::RadioList> list) : list_(std::move(list)) {}
  std::size_t Count() const override {
    UINT32 size = 0;
    Check(list_->get_Size(&size));
    return size;
  }
  radios::RadioKind Kind(std::size_t index) override {
    RadioKind kind = RadioKind_Other;
    Check(At(index)->get_Kind(&kind));
    return static_cast<radios::RadioKind>(kind);
  }
  std::int32_t State(std::size_t index) override {
    RadioState state = RadioState_Unknown;
    Check(At(index)->get_State(&state));
    return state;
  }
  std::int32_t SetState(std::size_t index, bool on) override {
    ComPtr<RadioAccessRequest> request;
    Check(At(index)->SetStateAsync(on ? RadioState_On : RadioState_Off, request.GetAddressOf()));
    RadioAccessStatus status = RadioAccessStatus_Unspecified;
    Check(Await(request.Get(), &status));
    return status;
  }

 private:
  ComPtr<IRadio> At(std::size_t index) const {
    ComPtr<IRadio> radio;
    Check(list_->GetAt(static_cast<UINT32>(index), radio.GetAddressOf()));
    if (!radio) Fail(E_POINTER);
    return radio;
  }
  ComPtr<winrt::RadioList> list_;
};

class WinRadios final : public radios::RadioSource {
 public:
  std::unique_ptr<radios::RadioList> Radios() override {
    ComPtr<IRadioStatics> statics;
    Check(GetActivationFactory(kRadioClass, statics));
    ComPtr<RadioListRequest> request;
    Check(statics->GetRadiosAsync(request.GetAddressOf()));
    ComPtr<winrt::RadioList> list;
    Check(Await(request.Get(), list.GetAddressOf()));
    if (!list) return nullptr;
    return std::make_unique<WinRadioList>(std::move(list));
  }
};

class WinAccessRequest final : public radios::AccessRequest {
 public:
  explicit WinAccessRequest(ComPtr<RadioAccessRequest> request) : request_(std::move(request)) {}
  std::optional<std::int32_t> Result() override {
    switch (StatusOf(request_.Get())) {
      case AsyncStatus::Started:
        return std::nullopt;
      case AsyncStatus::Completed: {
        RadioAccessStatus status = RadioAccessStatus_Unspecified;
        if (FAILED(request_->GetResults(&status))) return radios::kAccessUnspecified;
        return status;
      }
      default:
        return radios::kAccessUnspecified;
    }
  }

 private:
  ComPtr<RadioAccessRequest> request_;
};

// ---- Devices ---------------------------------------------------------------------

bool BoolProperty(PropertyMap* map, const wchar_t* name, std::optional<bool>& value) {
  HString key;
  if (FAILED(key.Set(name))) return false;
  boolean found = false;
  if (FAILED(map->HasKey(key.Get(), &found)) || !found) return false;
  ComPtr<IInspectable> boxed;
  if (FAILED(map->Lookup(key.Get(), boxed.GetAddressOf())) || !boxed) return false;
  ComPtr<IReference<bool>> reference;
  if (FAILED(Query(boxed.Get(), reference))) return false;
  boolean flag = false;
  if (FAILED(reference->get_Value(&flag))) return false;
  value = flag != 0;
  return true;
}

bluetooth::Device DeviceOf(ComPtr<IDeviceInformation> info) {
  bluetooth::Device device;
  HString name;
  Check(info->get_Name(name.Put()));
  device.name = name.ToWide();
  ComPtr<IDeviceInformation2> info2;
  ComPtr<IDeviceInformationPairing> pairing;
  if (SUCCEEDED(Query(info.Get(), info2)) && SUCCEEDED(info2->get_Pairing(pairing.GetAddressOf())) && pairing) {
    boolean flag = false;
    if (SUCCEEDED(pairing->get_IsPaired(&flag))) device.paired = flag != 0;
    flag = false;
    if (SUCCEEDED(pairing->get_CanPair(&flag))) device.can_pair = flag != 0;
  }
  ComPtr<PropertyMap> properties;
  if (SUCCEEDED(info->get_Properties(properties.GetAddressOf())) && properties) {
    BoolProperty(properties.Get(), bluetooth::kConnectedProperty, device.connected);
    BoolProperty(properties.Get(), bluetooth::kPresentProperty, device.present);
  }
  device.native = Share(std::move(info));
  return device;
}

class WinDeviceQuery final : public bluetooth::DeviceQuery {
 public:
  explicit WinDeviceQuery(ComPtr<DeviceListRequest> request) : request_(std::move(request)) {}
  bool Wait(std::uint32_t ms) override {
    const HRESULT outcome = AwaitCompletion(request_.Get(), ms);
    // A search that failed is finished too; Results reports the failure.
    return outcome != HRESULT_FROM_WIN32(ERROR_TIMEOUT);
  }
  void Cancel() override { CancelAsync(request_.Get()); }
  std::vector<bluetooth::Device> Results() override {
    ComPtr<DeviceInformationList> list;
    Check(request_->GetResults(list.GetAddressOf()));
    std::vector<bluetooth::Device> devices;
    if (!list) return devices;
    UINT32 size = 0;
    Check(list->get_Size(&size));
    devices.reserve(size);
    for (UINT32 i = 0; i < size; ++i) {
      ComPtr<IDeviceInformation> info;
      if (SUCCEEDED(list->GetAt(i, info.GetAddressOf())) && info) devices.push_back(DeviceOf(std::move(info)));
    }
    return devices;
  }

 private:
  ComPtr<DeviceListRequest> request_;
};

class WinDevices final : public bluetooth::DeviceSource {
 public:
  std::unique_ptr<bluetooth::DeviceQuery> FindAll(const std::wstring& selector,
                                                  const std::vector<std::wstring>& properties) override {
    ComPtr<IDeviceInformationStatics2> statics;
    Check(GetActivationFactory(kDeviceInformationClass, statics));
    HString filter;
    Check(filter.Set(selector));
    ComPtr<PropertyNames> names = MakeStringIterable(properties);
    if (!names) Fail(E_OUTOFMEMORY);
    ComPtr<DeviceListRequest> request;
    Check(statics->FindAllAsyncWithKindAqsFilterAndAdditionalProperties(
        filter.Get(), names.Get(), DeviceInformationKind_AssociationEndpoint, request.GetAddressOf()));
    return std::make_unique<WinDeviceQuery>(std::move(request));
  }
};

// ---- Pairing ---------------------------------------------------------------------

class WinPairingRequest final : public bluetooth::PairingRequest {
 public:
  explicit WinPairingRequest(IDevicePairingRequestedEventArgs* args) : args_(args) {
    args_->GetDeferral(deferral_.GetAddressOf());
  }
  std::int32_t Kind() override {
    DevicePairingKinds kind = DevicePairingKinds_None;
    args_->get_PairingKind(&kind);
    return static_cast<std::int32_t>(kind);
  }
  std::wstring Pin() override {
    HString pin;
    if (FAILED(args_->get_Pin(pin.Put()))) return L"";
    return pin.ToWide();
  }
  void Accept() override { args_->Accept(); }
  void Accept(const std::wstring& pin) override {
    HString text;
    if (SUCCEEDED(text.Set(pin))) args_->AcceptWithPin(text.Get());
  }
  void Complete() override {
    if (deferral_) deferral_->Complete();
    deferral_.Reset();
  }

 private:
  ComPtr<IDevicePairingRequestedEventArgs> args_;
  ComPtr<IDeferral> deferral_;
};

class WinPairingOperation final : public bluetooth::PairingOperation {
 public:
  WinPairingOperation(ComPtr<IDeviceInformationCustomPairing> custom, EventRegistrationToken token,
                      ComPtr<PairingRequest> request)
      : custom_(std::move(custom)), token_(token), request_(std::move(request)) {}
  ~WinPairingOperation() override { Unregister(); }

  Status Progress() override {
    switch (StatusOf(request_.Get())) {
      case AsyncStatus::Started:
        return Status::Started;
      case AsyncStatus::Completed:
        return Status::Completed;
      case AsyncStatus::Canceled:
        return Status::Canceled;
      default:
        return Status::Error;
    }
  }
  void Cancel() override { CancelAsync(request_.Get()); }
  std::int32_t ResultStatus() override {
    ComPtr<IDevicePairingResult> result;
    DevicePairingResultStatus status = DevicePairingResultStatus_Failed;
    if (SUCCEEDED(request_->GetResults(result.GetAddressOf())) && result) result->get_Status(&status);
    return status;
  }
  void Unregister() override {
    if (registered_) custom_->remove_PairingRequested(token_);
    registered_ = false;
  }

 private:
  ComPtr<IDeviceInformationCustomPairing> custom_;
  EventRegistrationToken token_;
  ComPtr<PairingRequest> request_;
  bool registered_ = true;
};

class WinPairing final : public bluetooth::PairingSource {
 public:
  std::unique_ptr<bluetooth::PairingOperation> StartPairing(const bluetooth::Device& device, std::int32_t kinds,
                                                            bluetooth::RequestHandler handler) override {
    auto* info = static_cast<IDeviceInformation*>(device.native.get());
    if (info == nullptr) return nullptr;
    ComPtr<IDeviceInformation2> info2;
    ComPtr<IDeviceInformationPairing> pairing;
    ComPtr<IDeviceInformationPairing2> pairing2;
    ComPtr<IDeviceInformationCustomPairing> custom;
    if (FAILED(Query(info, info2)) || FAILED(info2->get_Pairing(pairing.GetAddressOf())) || !pairing ||
        FAILED(Query(pairing.Get(), pairing2)) || FAILED(pairing2->get_Custom(custom.GetAddressOf())) || !custom) {
      return nullptr;
    }
    auto delegate = MakeDelegate<PairingRequestedHandler>(
        [handler = std::move(handler)](IDeviceInformationCustomPairing*, IDevicePairingRequestedEventArgs* args) {
          if (args == nullptr) return;
          WinPairingRequest request(args);
          handler(request);
        });
    if (!delegate) return nullptr;
    EventRegistrationToken token{};
    if (FAILED(custom->add_PairingRequested(delegate.Get(), &token))) return nullptr;
    ComPtr<PairingRequest> request;
    if (FAILED(custom->PairAsync(static_cast<DevicePairingKinds>(kinds), request.GetAddressOf())) || !request) {
      custom->remove_PairingRequested(token);
      return nullptr;
    }
    return std::make_unique<WinPairingOperation>(std::move(custom), token, std::move(request));
  }
};

}  // namespace

namespace radios {

RadioSource& WindowsRadios() {
  static WinRadios* radios = new WinRadios;
  return *radios;
}

std::unique_ptr<AccessRequest> RequestRadioAccessWin() {
  static std::mutex mutex;
  static ComPtr<IRadioStatics>* kept = new ComPtr<IRadioStatics>;
  ComPtr<IRadioStatics> statics;
  {
    std::lock_guard lock(mutex);
    if (!*kept && FAILED(GetActivationFactory(kRadioClass, *kept))) return nullptr;
    statics = *kept;
  }
  ComPtr<RadioAccessRequest> request;
  if (FAILED(statics->RequestAccessAsync(request.GetAddressOf())) || !request) return nullptr;
  return std::make_unique<WinAccessRequest>(std::move(request));
}

}  // namespace radios

namespace bluetooth {

DeviceSource& WindowsDevices() {
  static WinDevices* devices = new WinDevices;
  return *devices;
}

PairingSource& WindowsPairing() {
  static WinPairing* pairing = new WinPairing;
  return *pairing;
}

}  // namespace bluetooth
}  // namespace notch
