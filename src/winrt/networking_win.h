#pragma once
// Our declarations of the parts of Windows.Networking.Connectivity (the
// connection profiles) and Windows.Networking.NetworkOperators (the tethering
// manager) that Mobile Hotspot uses, in ABI (vtable) order.
#include <windows.h>

#include <string_view>

#include "winrt/collections_win.h"
#include "winrt/foundation_win.h"
#include "winrt/guid_win.h"

namespace notch::winrt {

struct IConnectionProfile;
struct INetworkOperatorTetheringOperationResult;

enum NetworkConnectivityLevel : INT32 { NetworkConnectivityLevel_None = 0 };
enum TetheringCapability : INT32 { TetheringCapability_Enabled = 0 };
enum TetheringOperationalState : INT32 {
  TetheringOperationalState_Unknown = 0,
  TetheringOperationalState_On = 1,
  TetheringOperationalState_Off = 2,
  TetheringOperationalState_InTransition = 3,
};
enum TetheringOperationStatus : INT32 { TetheringOperationStatus_Success = 0 };

struct ConnectionProfile {
  static constexpr std::wstring_view kName = L"Windows.Networking.Connectivity.ConnectionProfile";
  using DefaultInterface = IConnectionProfile;
};
struct NetworkOperatorTetheringOperationResult {
  static constexpr std::wstring_view kName =
      L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringOperationResult";
  using DefaultInterface = INetworkOperatorTetheringOperationResult;
};

using ConnectionProfileList = IVectorView<ConnectionProfile>;
using TetheringRequest = IAsyncOperation<NetworkOperatorTetheringOperationResult>;

struct IConnectionProfile : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("71ba143c-598e-49d0-84eb-8febaedcc195"); }

  virtual HRESULT STDMETHODCALLTYPE get_ProfileName(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNetworkConnectivityLevel(NetworkConnectivityLevel* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNetworkNames(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetConnectionCost(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDataPlanStatus(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_NetworkAdapter(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLocalUsage(DateTime start, DateTime end, void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLocalUsagePerRoamingStates(DateTime start, DateTime end, INT32 states,
                                                                  void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_NetworkSecuritySettings(void** value) = 0;
};

struct INetworkInformationStatics : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("5074f851-950d-4165-9c15-365619481eea"); }

  virtual HRESULT STDMETHODCALLTYPE GetConnectionProfiles(ConnectionProfileList** value) = 0;
  // Null (with S_OK) without an internet connection.
  virtual HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IConnectionProfile** value) = 0;
};

struct INetworkOperatorTetheringAccessPointConfiguration : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("0bcc0284-412e-403d-acc6-b757e34774a4"); }

  virtual HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) = 0;
};

struct INetworkOperatorTetheringOperationResult : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("ebd203a1-01ba-476d-b4b3-bf3d12c8f80c"); }

  virtual HRESULT STDMETHODCALLTYPE get_Status(TetheringOperationStatus* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* value) = 0;
};

struct INetworkOperatorTetheringManager : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("d45a8da0-0e86-4d98-8ba4-dd70d4b764d3"); }

  virtual HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TetheringOperationalState(TetheringOperationalState* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  GetCurrentAccessPointConfiguration(INetworkOperatorTetheringAccessPointConfiguration** configuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE ConfigureAccessPointAsync(void* configuration, IAsyncAction** action) = 0;
  virtual HRESULT STDMETHODCALLTYPE StartTetheringAsync(TetheringRequest** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE StopTetheringAsync(TetheringRequest** operation) = 0;
};

// The second statics of NetworkOperatorTetheringManager: by connection profile.
struct INetworkOperatorTetheringManagerStatics2 : IInspectable {
  static constexpr GUID Iid() { return IidLiteral("5b235412-35f0-49e7-9b08-16d278fbaa42"); }

  virtual HRESULT STDMETHODCALLTYPE GetTetheringCapabilityFromConnectionProfile(IConnectionProfile* profile,
                                                                                TetheringCapability* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(IConnectionProfile* profile,
                                                                INetworkOperatorTetheringManager** manager) = 0;
};

inline constexpr std::wstring_view kNetworkInformationClass = L"Windows.Networking.Connectivity.NetworkInformation";
inline constexpr std::wstring_view kTetheringManagerClass =
    L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager";

}  // namespace notch::winrt
