#pragma once
// Our declarations of the parts of Windows.Devices.Enumeration the Bluetooth
// page uses: finding association endpoints with extra properties, a device's
// pairing state and custom pairing with its pairing-requested event, and the
// Windows.Foundation deferral the event hands out. ABI (vtable) order.
#include <windows.h>

#include <string_view>

#include "winrt/collections_win.h"
#include "winrt/foundation_win.h"
#include "winrt/guid_win.h"

namespace notch::winrt {

struct IDeviceInformation;
struct IDeviceInformationCustomPairing;
struct IDevicePairingRequestedEventArgs;
struct IDevicePairingResult;

enum DeviceInformationKind : INT32 { DeviceInformationKind_AssociationEndpoint = 5 };
enum DevicePairingKinds : UINT32 {
  DevicePairingKinds_None = 0,
  DevicePairingKinds_ConfirmOnly = 1,
  DevicePairingKinds_DisplayPin = 2,
  DevicePairingKinds_ProvidePin = 4,
  DevicePairingKinds_ConfirmPinMatch = 8,
};
enum DevicePairingResultStatus : INT32 {
  DevicePairingResultStatus_Paired = 0,
  DevicePairingResultStatus_AlreadyPaired = 3,
  DevicePairingResultStatus_Failed = 19,
};

struct DeviceInformation {
  static constexpr std::wstring_view kName = L"Windows.Devices.Enumeration.DeviceInformation";
  using DefaultInterface = IDeviceInformation;
};
using DeviceInformationList = IVectorView<DeviceInformation>;
struct DeviceInformationCollection {
  static constexpr std::wstring_view kName = L"Windows.Devices.Enumeration.DeviceInformationCollection";
  using DefaultInterface = DeviceInformationList;
};
struct DevicePairingResult {
  static constexpr std::wstring_view kName = L"Windows.Devices.Enumeration.DevicePairingResult";
  using DefaultInterface = IDevicePairingResult;
};
struct DeviceInformationCustomPairing {
  static constexpr std::wstring_view kName = L"Windows.Devices.Enumeration.DeviceInformationCustomPairing";
  using DefaultInterface = IDeviceInformationCustomPairing;
};
struct DevicePairingRequestedEventArgs {
  static constexpr std::wstring_view kName = L"Windows.Devices.Enumeration.DevicePairingRequestedEventArgs";
  using DefaultInterface = IDevicePairingRequestedEventArgs;
};

using PropertyNames = IIterable<StringType>;
using PropertyMap = IMapView<StringType, ObjectType>;
using DeviceListRequest = IAsyncOperation<DeviceInformationCollection>;
using PairingRequest = IAsyncOperation<DevicePairingResult>;
using PairingRequestedHandler = ITypedEventHandler<DeviceInformationCustomPairing, DevicePairingRequestedEventArgs>;

struct IDeferral : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("d6269732-3b7f-46a7-b40b-4fdca2a2c693"); }

  virtual HRESULT STDMETHODCALLTYPE Complete() = 0;
};

struct IDevicePairingResult : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("072b02bf-dd95-4025-9b37-de51adba37b7"); }

  virtual HRESULT STDMETHODCALLTYPE get_Status(DevicePairingResultStatus* status) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ProtectionLevelUsed(INT32* level) = 0;
};

struct IDevicePairingRequestedEventArgs : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("f717fc56-de6b-487f-8376-0180aca69963"); }

  virtual HRESULT STDMETHODCALLTYPE get_DeviceInformation(IDeviceInformation** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PairingKind(DevicePairingKinds* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Pin(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE Accept() = 0;
  virtual HRESULT STDMETHODCALLTYPE AcceptWithPin(HSTRING pin) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDeferral(IDeferral** result) = 0;
};

struct IDeviceInformationCustomPairing : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("85138c02-4ee6-4914-8370-107a39144c0e"); }

  virtual HRESULT STDMETHODCALLTYPE PairAsync(DevicePairingKinds kinds, PairingRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE PairWithProtectionLevelAsync(DevicePairingKinds kinds, INT32 level,
                                                                 PairingRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE PairWithProtectionLevelAndSettingsAsync(DevicePairingKinds kinds, INT32 level,
                                                                            void* settings,
                                                                            PairingRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_PairingRequested(PairingRequestedHandler* handler,
                                                         EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_PairingRequested(EventRegistrationToken token) = 0;
};

struct IDeviceInformationPairing : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("2c4769f5-f684-40d5-8469-e8dbaab70485"); }

  virtual HRESULT STDMETHODCALLTYPE get_IsPaired(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CanPair(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE PairAsync(PairingRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE PairWithProtectionLevelAsync(INT32 level, PairingRequest** operation) = 0;
};

struct IDeviceInformationPairing2 : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("f68612fd-0aee-4328-85cc-1c742bb1790d"); }

  virtual HRESULT STDMETHODCALLTYPE get_ProtectionLevel(INT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Custom(IDeviceInformationCustomPairing** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE PairWithProtectionLevelAndSettingsAsync(INT32 level, void* settings,
                                                                            PairingRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnpairAsync(void** operation) = 0;
};

struct IDeviceInformation : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("aba0fb95-4398-489d-8e44-e6130927011f"); }

  virtual HRESULT STDMETHODCALLTYPE get_Id(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Name(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsDefault(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_EnclosureLocation(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Properties(PropertyMap** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE Update(void* update) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetThumbnailAsync(void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGlyphThumbnailAsync(void** operation) = 0;
};

struct IDeviceInformation2 : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("f156a638-7997-48d9-a10c-269d46533f48"); }

  virtual HRESULT STDMETHODCALLTYPE get_Kind(DeviceInformationKind* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Pairing(IDeviceInformationPairing** value) = 0;
};

// The second statics of DeviceInformation: the searches that take a kind.
struct IDeviceInformationStatics2 : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("493b4f34-a84f-45fd-9167-15d1cb1bd1f9"); }

  virtual HRESULT STDMETHODCALLTYPE GetAqsFilterFromDeviceClass(INT32 device_class, HSTRING* filter) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFromIdAsyncWithKindAndAdditionalProperties(HSTRING id,
                                                                                     PropertyNames* properties,
                                                                                     DeviceInformationKind kind,
                                                                                     void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAllAsyncWithKindAqsFilterAndAdditionalProperties(
      HSTRING filter, PropertyNames* properties, DeviceInformationKind kind, DeviceListRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateWatcherWithKindAqsFilterAndAdditionalProperties(HSTRING filter,
                                                                                          PropertyNames* properties,
                                                                                          DeviceInformationKind kind,
                                                                                          void** watcher) = 0;
};

inline constexpr std::wstring_view kDeviceInformationClass = L"Windows.Devices.Enumeration.DeviceInformation";

}  // namespace notch::winrt
