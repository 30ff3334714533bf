#pragma once
// The Native Wi-Fi calls the Wi-Fi tasks make, behind a narrow interface:
// Windows implements it over wlanapi, the tests fake it. Waits go through it
// too, so the tests drive time without sleeping.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/wifi_network.h"

namespace notch::wifi {

// One entry of WlanGetAvailableNetworkList, as plain data.
struct AvailableEntry {
  Ssid ssid;
  bool infrastructure = true;  // BSS type
  std::uint32_t auth_algorithm = 0;
  std::uint32_t cipher_algorithm = 0;
  std::wstring profile_name;
  std::uint32_t signal = 0;
  bool connected = false;    // WLAN_AVAILABLE_NETWORK_CONNECTED
  bool connectable = false;  // bNetworkConnectable
  bool security_enabled = false;
};

template <typename T>
struct WlanAnswer {
  std::uint32_t error = 0;  // a Win32 error code, 0 on success
  T value{};
};

// The interface's current connection (wlan_intf_opcode_current_connection).
struct CurrentConnection {
  bool connected = false;  // wlan_interface_state_connected
  Ssid ssid;
  std::uint32_t auth_algorithm = 0;
  std::uint32_t cipher_algorithm = 0;
};

// What the connect task's notification callback keeps: the reason code of a
// connection-complete notification for the watched interface and SSID.
struct ConnectWatch {
  InterfaceId interface_id{};
  Ssid ssid;
  std::atomic<std::uint32_t> reason{0};
};

// The ACM notifications the tasks care about.
enum class AcmEvent { ScanComplete, ScanFail, ConnectionComplete, Other };

// Handles one ACM notification for a connect watch; true when the task's
// event is to be signalled. `ssid` is the notification's SSID (connection
// notifications only), `reason` its reason code.
bool OnConnectNotification(ConnectWatch& watch, AcmEvent event, const InterfaceId& interface_id, const Ssid* ssid,
                           std::uint32_t reason);

// Whether a scan watch signals its event for this notification.
inline bool OnScanNotification(AcmEvent event) {
  return event == AcmEvent::ScanComplete || event == AcmEvent::ScanFail;
}

struct ConnectRequest {
  InterfaceId interface_id{};
  bool temporary_profile = false;  // else wlan_connection_mode_profile
  std::wstring profile;            // saved profile name or the profile XML
  Ssid ssid;
};

// One open WLAN client handle. Destruction unregisters and closes it.
class WlanSession {
 public:
  virtual ~WlanSession() = default;

  virtual WlanAnswer<std::vector<InterfaceId>> EnumInterfaces() = 0;
  virtual WlanAnswer<std::vector<AvailableEntry>> AvailableNetworks(const InterfaceId& interface_id) = 0;
  virtual std::uint32_t Scan(const InterfaceId& interface_id) = 0;

  // Register for ACM notifications that signal this session's auto-reset
  // event: scan complete/fail, or (WatchConnection) what OnConnectNotification
  // decides. False when registration failed.
  virtual bool WatchScans() = 0;
  virtual bool WatchConnection(ConnectWatch& watch) = 0;
  // Unregisters notifications and closes the event.
  virtual void StopWatching() = 0;
  // Waits up to `ms` for the event; true when it was signalled.
  virtual bool WaitForEvent(int ms) = 0;
  virtual void Sleep(int ms) = 0;

  virtual std::uint32_t Connect(const ConnectRequest& request) = 0;
  virtual std::optional<CurrentConnection> QueryConnection(const InterfaceId& interface_id) = 0;
  // WlanSaveTemporaryProfile as a user profile, not overwriting.
  virtual std::uint32_t SaveTemporaryProfile(const InterfaceId& interface_id, const std::wstring& profile_name) = 0;
};

class WlanApi {
 public:
  virtual ~WlanApi() = default;
  // WlanOpenHandle(2, ...); null on failure.
  virtual std::unique_ptr<WlanSession> Open() = 0;
};

}  // namespace notch::wifi
