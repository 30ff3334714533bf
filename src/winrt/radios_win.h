#pragma once
// Our declarations of Windows.Devices.Radios: the Radio statics and a radio's
// kind, state and state change, in ABI (vtable) order.
#include <windows.h>

#include <string_view>

#include "winrt/collections_win.h"
#include "winrt/foundation_win.h"
#include "winrt/guid_win.h"

namespace notch::winrt {

struct IRadio;

enum RadioState : INT32 { RadioState_Unknown = 0, RadioState_On = 1, RadioState_Off = 2, RadioState_Disabled = 3 };
enum RadioAccessStatus : INT32 {
  RadioAccessStatus_Unspecified = 0,
  RadioAccessStatus_Allowed = 1,
  RadioAccessStatus_DeniedByUser = 2,
  RadioAccessStatus_DeniedBySystem = 3,
};
enum RadioKind : INT32 {
  RadioKind_Other = 0,
  RadioKind_WiFi = 1,
  RadioKind_MobileBroadband = 2,
  RadioKind_Bluetooth = 3
};

struct RadioAccessStatusType {
  static constexpr std::wstring_view kEnumName = L"Windows.Devices.Radios.RadioAccessStatus";
  static constexpr std::string_view kUnderlyingSignature = "i4";
  using Value = RadioAccessStatus;
};

struct Radio {
  static constexpr std::wstring_view kName = L"Windows.Devices.Radios.Radio";
  using DefaultInterface = IRadio;
};

using RadioAccessRequest = IAsyncOperation<RadioAccessStatusType>;
using RadioList = IVectorView<Radio>;
using RadioListRequest = IAsyncOperation<RadioList>;

struct IRadio : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("252118df-b33e-416a-875f-1cf38ae2d83e"); }

  virtual HRESULT STDMETHODCALLTYPE SetStateAsync(RadioState value, RadioAccessRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_StateChanged(void* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_StateChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_State(RadioState* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Name(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Kind(RadioKind* value) = 0;
};

struct IRadioStatics : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("5fb6a12e-67cb-46ae-aae9-65919f86eff4"); }

  virtual HRESULT STDMETHODCALLTYPE GetRadiosAsync(RadioListRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDeviceSelector(HSTRING* selector) = 0;
  virtual HRESULT STDMETHODCALLTYPE FromIdAsync(HSTRING device_id, void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE RequestAccessAsync(RadioAccessRequest** operation) = 0;
};

inline constexpr std::wstring_view kRadioClass = L"Windows.Devices.Radios.Radio";

}  // namespace notch::winrt
