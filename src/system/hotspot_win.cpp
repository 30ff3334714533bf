#include "system/hotspot_win.h"

#include <windows.h>

#include <wrl/client.h>

#include <utility>

#include "common/text.h"
#include "host/notification_listener_win.h"
#include "winrt/activation_win.h"
#include "winrt/await_win.h"
#include "winrt/hstring_win.h"
#include "winrt/networking_win.h"

namespace notch::hotspot {
namespace {

using Microsoft::WRL::ComPtr;
using winrt::IConnectionProfile;
using winrt::INetworkOperatorTetheringManager;

[[noreturn]] void Fail(HRESULT result) { throw TetheringError(WideToUtf8(ErrorMessage(result))); }
void Check(HRESULT result) {
  if (FAILED(result)) Fail(result);
}

Profile Share(ComPtr<IConnectionProfile> profile) {
  IConnectionProfile* raw = profile.Detach();
  if (raw == nullptr) return nullptr;
  return Profile(raw, [](void* p) { static_cast<IConnectionProfile*>(p)->Release(); });
}

IConnectionProfile* ProfileOf(const Profile& profile) { return static_cast<IConnectionProfile*>(profile.get()); }

class WinManager final : public TetheringManager {
 public:
  explicit WinManager(ComPtr<INetworkOperatorTetheringManager> manager) : manager_(std::move(manager)) {}
  std::int32_t OperationalState() override {
    winrt::TetheringOperationalState state = winrt::TetheringOperationalState_Unknown;
    Check(manager_->get_TetheringOperationalState(&state));
    return state;
  }
  std::int32_t ClientCount() override {
    UINT32 count = 0;
    Check(manager_->get_ClientCount(&count));
    return static_cast<std::int32_t>(count);
  }
  std::int32_t MaxClientCount() override {
    UINT32 count = 0;
    Check(manager_->get_MaxClientCount(&count));
    return static_cast<std::int32_t>(count);
  }
  std::wstring Ssid() override {
    ComPtr<winrt::INetworkOperatorTetheringAccessPointConfiguration> configuration;
    Check(manager_->GetCurrentAccessPointConfiguration(configuration.GetAddressOf()));
    if (!configuration) return L"";
    winrt::HString ssid;
    Check(configuration->get_Ssid(ssid.Put()));
    return ssid.ToWide();
  }
  std::int32_t Switch(bool on) override {
    ComPtr<winrt::TetheringRequest> request;
    Check(on ? manager_->StartTetheringAsync(request.GetAddressOf())
             : manager_->StopTetheringAsync(request.GetAddressOf()));
    ComPtr<winrt::INetworkOperatorTetheringOperationResult> result;
    // Switching can take a while when the adapter has to come up.
    Check(winrt::Await(request.Get(), result.GetAddressOf(), 60'000));
    if (!result) Fail(E_POINTER);
    winrt::TetheringOperationStatus status = winrt::TetheringOperationStatus_Success;
    Check(result->get_Status(&status));
    return status;
  }

 private:
  ComPtr<INetworkOperatorTetheringManager> manager_;
};

class WinTethering final : public TetheringSource {
 public:
  Profile InternetProfile() override {
    ComPtr<IConnectionProfile> profile;
    Check(Network()->GetInternetConnectionProfile(profile.GetAddressOf()));
    return Share(std::move(profile));
  }
  std::vector<ListedProfile> ConnectionProfiles() override {
    ComPtr<winrt::ConnectionProfileList> list;
    Check(Network()->GetConnectionProfiles(list.GetAddressOf()));
    std::vector<ListedProfile> profiles;
    if (!list) return profiles;
    UINT32 size = 0;
    Check(list->get_Size(&size));
    for (UINT32 i = 0; i < size; ++i) {
      ComPtr<IConnectionProfile> profile;
      Check(list->GetAt(i, profile.GetAddressOf()));
      ListedProfile listed;
      if (profile) {
        winrt::NetworkConnectivityLevel level = winrt::NetworkConnectivityLevel_None;
        Check(profile->GetNetworkConnectivityLevel(&level));
        listed.connectivity = level;
      }
      listed.profile = Share(std::move(profile));
      profiles.push_back(std::move(listed));
    }
    return profiles;
  }
  std::int32_t Capability(const Profile& profile) override {
    winrt::TetheringCapability capability = winrt::TetheringCapability_Enabled;
    Check(Tethering()->GetTetheringCapabilityFromConnectionProfile(ProfileOf(profile), &capability));
    return capability;
  }
  std::unique_ptr<TetheringManager> CreateManager(const Profile& profile) override {
    ComPtr<INetworkOperatorTetheringManager> manager;
    Check(Tethering()->CreateFromConnectionProfile(ProfileOf(profile), manager.GetAddressOf()));
    if (!manager) return nullptr;
    return std::make_unique<WinManager>(std::move(manager));
  }

 private:
  static ComPtr<winrt::INetworkInformationStatics> Network() {
    ComPtr<winrt::INetworkInformationStatics> statics;
    Check(winrt::GetActivationFactory(winrt::kNetworkInformationClass, statics));
    return statics;
  }
  static ComPtr<winrt::INetworkOperatorTetheringManagerStatics2> Tethering() {
    ComPtr<winrt::INetworkOperatorTetheringManagerStatics2> statics;
    Check(winrt::GetActivationFactory(winrt::kTetheringManagerClass, statics));
    return statics;
  }
};

}  // namespace

TetheringSource& WindowsTethering() {
  static WinTethering* tethering = new WinTethering;
  return *tethering;
}

}  // namespace notch::hotspot
