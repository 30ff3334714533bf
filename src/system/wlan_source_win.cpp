#include "system/wlan_source_win.h"

#include <windows.h>
// wlanapi.h needs windows.h first.
#include <wlanapi.h>

#include <cstring>

namespace notch::wifi {
namespace {

constexpr DWORD kAvailableNetworkConnected = 0x00000001;  // WLAN_AVAILABLE_NETWORK_CONNECTED

InterfaceId ToId(const GUID& guid) {
  InterfaceId id;
  std::memcpy(id.data(), &guid, sizeof guid);
  return id;
}

GUID ToGuid(const InterfaceId& id) {
  GUID guid;
  std::memcpy(&guid, id.data(), sizeof guid);
  return guid;
}

Ssid ToSsid(const DOT11_SSID& ssid) {
  Ssid result;
  result.length = ssid.uSSIDLength;
  std::memcpy(result.bytes.data(), ssid.ucSSID, kMaxSsidLength);
  return result;
}

DOT11_SSID ToDot11(const Ssid& ssid) {
  DOT11_SSID result{};
  result.uSSIDLength = ssid.length <= kMaxSsidLength ? ssid.length : kMaxSsidLength;
  std::memcpy(result.ucSSID, ssid.bytes.data(), kMaxSsidLength);
  return result;
}

AcmEvent ToEvent(DWORD code) {
  switch (code) {
    case wlan_notification_acm_scan_complete:
      return AcmEvent::ScanComplete;
    case wlan_notification_acm_scan_fail:
      return AcmEvent::ScanFail;
    case wlan_notification_acm_connection_complete:
      return AcmEvent::ConnectionComplete;
    default:
      return AcmEvent::Other;
  }
}

class NativeSession final : public WlanSession {
 public:
  explicit NativeSession(HANDLE handle) : handle_(handle) {}
  ~NativeSession() override {
    StopWatching();
    WlanCloseHandle(handle_, nullptr);
  }
  NativeSession(const NativeSession&) = delete;
  NativeSession& operator=(const NativeSession&) = delete;

  WlanAnswer<std::vector<InterfaceId>> EnumInterfaces() override {
    WlanAnswer<std::vector<InterfaceId>> answer;
    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    answer.error = WlanEnumInterfaces(handle_, nullptr, &list);
    if (answer.error == ERROR_SUCCESS && list != nullptr) {
      for (DWORD i = 0; i < list->dwNumberOfItems; ++i)
        answer.value.push_back(ToId(list->InterfaceInfo[i].InterfaceGuid));
    }
    if (list != nullptr) WlanFreeMemory(list);
    return answer;
  }

  WlanAnswer<std::vector<AvailableEntry>> AvailableNetworks(const InterfaceId& interface_id) override {
    WlanAnswer<std::vector<AvailableEntry>> answer;
    const GUID guid = ToGuid(interface_id);
    WLAN_AVAILABLE_NETWORK_LIST* list = nullptr;
    answer.error = WlanGetAvailableNetworkList(handle_, &guid, 0, nullptr, &list);
    if (answer.error == ERROR_SUCCESS && list != nullptr) {
      for (DWORD i = 0; i < list->dwNumberOfItems; ++i) {
        const WLAN_AVAILABLE_NETWORK& item = list->Network[i];
        AvailableEntry entry;
        entry.ssid = ToSsid(item.dot11Ssid);
        entry.infrastructure = item.dot11BssType == dot11_BSS_type_infrastructure;
        entry.auth_algorithm = static_cast<std::uint32_t>(item.dot11DefaultAuthAlgorithm);
        entry.cipher_algorithm = static_cast<std::uint32_t>(item.dot11DefaultCipherAlgorithm);
        entry.profile_name.assign(item.strProfileName, wcsnlen(item.strProfileName, WLAN_MAX_NAME_LENGTH));
        entry.signal = item.wlanSignalQuality;
        entry.connected = (item.dwFlags & kAvailableNetworkConnected) != 0;
        entry.connectable = item.bNetworkConnectable != FALSE;
        entry.security_enabled = item.bSecurityEnabled != FALSE;
        answer.value.push_back(std::move(entry));
      }
    }
    if (list != nullptr) WlanFreeMemory(list);
    return answer;
  }

  std::uint32_t Scan(const InterfaceId& interface_id) override {
    const GUID guid = ToGuid(interface_id);
    return WlanScan(handle_, &guid, nullptr, nullptr, nullptr);
  }

  bool WatchScans() override { return Watch(nullptr); }
  bool WatchConnection(ConnectWatch& watch) override { return Watch(&watch); }

  void StopWatching() override {
    if (registered_) {
      WlanRegisterNotification(handle_, WLAN_NOTIFICATION_SOURCE_NONE, TRUE, nullptr, nullptr, nullptr, nullptr);
      registered_ = false;
    }
    if (event_ != nullptr) {
      CloseHandle(event_);
      event_ = nullptr;
    }
  }

  bool WaitForEvent(int ms) override {
    if (event_ == nullptr) {
      ::Sleep(static_cast<DWORD>(ms));
      return false;
    }
    return WaitForSingleObject(event_, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
  }

  void Sleep(int ms) override { ::Sleep(static_cast<DWORD>(ms)); }

  std::uint32_t Connect(const ConnectRequest& request) override {
    const GUID guid = ToGuid(request.interface_id);
    DOT11_SSID ssid = ToDot11(request.ssid);
    WLAN_CONNECTION_PARAMETERS parameters{};
    parameters.wlanConnectionMode =
        request.temporary_profile ? wlan_connection_mode_temporary_profile : wlan_connection_mode_profile;
    parameters.strProfile = request.profile.c_str();
    parameters.pDot11Ssid = &ssid;
    parameters.pDesiredBssidList = nullptr;
    parameters.dot11BssType = dot11_BSS_type_infrastructure;
    parameters.dwFlags = 0;
    return WlanConnect(handle_, &guid, &parameters, nullptr);
  }

  std::optional<CurrentConnection> QueryConnection(const InterfaceId& interface_id) override {
    const GUID guid = ToGuid(interface_id);
    DWORD size = 0;
    void* data = nullptr;
    if (WlanQueryInterface(handle_, &guid, wlan_intf_opcode_current_connection, nullptr, &size, &data, nullptr) !=
            ERROR_SUCCESS ||
        data == nullptr) {
      return std::nullopt;
    }
    std::optional<CurrentConnection> connection;
    if (size >= sizeof(WLAN_CONNECTION_ATTRIBUTES)) {
      const auto* attributes = static_cast<const WLAN_CONNECTION_ATTRIBUTES*>(data);
      connection.emplace();
      connection->connected = attributes->isState == wlan_interface_state_connected;
      connection->ssid = ToSsid(attributes->wlanAssociationAttributes.dot11Ssid);
      connection->auth_algorithm = static_cast<std::uint32_t>(attributes->wlanSecurityAttributes.dot11AuthAlgorithm);
      connection->cipher_algorithm =
          static_cast<std::uint32_t>(attributes->wlanSecurityAttributes.dot11CipherAlgorithm);
    }
    WlanFreeMemory(data);
    return connection;
  }

  std::uint32_t SaveTemporaryProfile(const InterfaceId& interface_id, const std::wstring& profile_name) override {
    const GUID guid = ToGuid(interface_id);
    return WlanSaveTemporaryProfile(handle_, &guid, profile_name.c_str(), nullptr, WLAN_PROFILE_USER, FALSE, nullptr);
  }

 private:
  bool Watch(ConnectWatch* watch) {
    StopWatching();
    event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (event_ == nullptr) return false;
    watch_ = watch;
    registered_ = WlanRegisterNotification(handle_, WLAN_NOTIFICATION_SOURCE_ACM, TRUE, &Callback, this, nullptr,
                                           nullptr) == ERROR_SUCCESS;
    return registered_;
  }

  // Runs on a system thread: touches only the event and the watch's reason.
  static VOID WINAPI Callback(PWLAN_NOTIFICATION_DATA data, PVOID context) {
    auto* self = static_cast<NativeSession*>(context);
    if (data == nullptr || self == nullptr || data->NotificationSource != WLAN_NOTIFICATION_SOURCE_ACM) return;
    const AcmEvent event = ToEvent(data->NotificationCode);
    bool signal = false;
    if (self->watch_ == nullptr) {
      signal = OnScanNotification(event);
    } else {
      const Ssid* ssid = nullptr;
      Ssid notified;
      std::uint32_t reason = 0;
      if (event == AcmEvent::ConnectionComplete && data->pData != nullptr &&
          data->dwDataSize >= offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, dwFlags)) {
        const auto* connection = static_cast<const WLAN_CONNECTION_NOTIFICATION_DATA*>(data->pData);
        notified = ToSsid(connection->dot11Ssid);
        ssid = &notified;
        reason = connection->wlanReasonCode;
      }
      signal = OnConnectNotification(*self->watch_, event, ToId(data->InterfaceGuid), ssid, reason);
    }
    if (signal) SetEvent(self->event_);
  }

  HANDLE handle_;
  HANDLE event_ = nullptr;
  ConnectWatch* watch_ = nullptr;
  bool registered_ = false;
};

class NativeApi final : public WlanApi {
 public:
  std::unique_ptr<WlanSession> Open() override {
    DWORD negotiated = 0;
    HANDLE handle = nullptr;
    if (WlanOpenHandle(2, nullptr, &negotiated, &handle) != ERROR_SUCCESS || handle == nullptr) return nullptr;
    return std::make_unique<NativeSession>(handle);
  }
};

}  // namespace

WlanApi& NativeWlanApi() {
  static NativeApi api;
  return api;
}

}  // namespace notch::wifi
