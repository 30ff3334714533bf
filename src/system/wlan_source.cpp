#include "system/wlan_source.h"

namespace notch::wifi {

bool OnConnectNotification(ConnectWatch& watch, AcmEvent event, const InterfaceId& interface_id, const Ssid* ssid,
                           std::uint32_t reason) {
  if (event == AcmEvent::ScanComplete || event == AcmEvent::ScanFail) return true;
  if (event != AcmEvent::ConnectionComplete || ssid == nullptr) return false;
  if (interface_id != watch.interface_id || ssid->length > kMaxSsidLength || !(*ssid == watch.ssid)) return false;
  watch.reason.exchange(reason);
  return true;
}

}  // namespace notch::wifi
