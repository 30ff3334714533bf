#include "system/wifi_tasks.h"

#include <algorithm>

namespace notch::wifi {
namespace {

constexpr std::uint32_t kAccessDenied = 5;

Network FromEntry(const InterfaceId& interface_id, const AvailableEntry& entry) {
  Network network;
  network.interface_id = interface_id;
  network.ssid = entry.ssid;
  network.auth_algorithm = entry.auth_algorithm;
  network.cipher_algorithm = entry.cipher_algorithm;
  network.name = SsidDisplayName(entry.ssid);
  network.profile_name = entry.profile_name;
  network.signal = std::min<std::uint32_t>(entry.signal, 100);
  network.connected = entry.connected;
  network.connectable = entry.connectable;
  network.open = !entry.security_enabled;
  network.personal = IsPersonal(entry.auth_algorithm, entry.cipher_algorithm);
  return network;
}

void Rescan(WlanSession& session, const std::vector<InterfaceId>& interfaces, const std::atomic<bool>& cancel) {
  const bool watching = session.WatchScans();
  bool scanned = false;
  for (const InterfaceId& interface_id : interfaces) {
    if (cancel) break;
    if (session.Scan(interface_id) == 0) scanned = true;
  }
  if (scanned) {
    for (int round = 0; round < kScanWaitRounds && !cancel; ++round) {
      if (!watching) {
        session.Sleep(kScanWaitMs);
      } else if (session.WaitForEvent(kScanWaitMs)) {
        break;
      }
    }
  }
  session.StopWatching();
}

bool ConnectedTo(const CurrentConnection& connection, const Network& network) {
  return connection.connected && connection.ssid == network.ssid &&
         connection.auth_algorithm == network.auth_algorithm && connection.cipher_algorithm == network.cipher_algorithm;
}

}  // namespace

ListResult ListNetworks(WlanApi& api, bool rescan, const std::atomic<bool>& cancel) {
  ListResult result;
  const std::unique_ptr<WlanSession> session = api.Open();
  if (!session) {
    result.status = kServicesUnavailable;
    return result;
  }
  const auto interfaces = session->EnumInterfaces();
  if (interfaces.error != 0) {
    result.status = WlanErrorText(interfaces.error);
    return result;
  }
  if (interfaces.value.empty()) {
    result.status = kNoAdapter;
    return result;
  }
  if (rescan) Rescan(*session, interfaces.value, cancel);

  bool answered = false;
  std::wstring error_text;
  for (const InterfaceId& interface_id : interfaces.value) {
    if (cancel) break;
    const auto available = session->AvailableNetworks(interface_id);
    if (available.error != 0) {
      if (!answered) {
        error_text = WlanErrorText(available.error);
        if (available.error == kAccessDenied) result.location_denied = true;
      }
      continue;
    }
    answered = true;
    for (const AvailableEntry& entry : available.value) {
      if (entry.ssid.length < 1 || entry.ssid.length > kMaxSsidLength || !entry.infrastructure) continue;
      MergeNetwork(result.networks, FromEntry(interface_id, entry));
    }
  }
  SortNetworks(result.networks);
  result.status = ListStatus(answered, result.networks.empty(), result.location_denied, error_text);
  return result;
}

std::wstring ConnectNetwork(WlanApi& api, const Network& network, const std::shared_ptr<Secret>& key, bool remember,
                            const std::atomic<bool>& cancel) {
  struct KeyWiper {
    const std::shared_ptr<Secret>& key;
    ~KeyWiper() {
      if (key) key->Wipe();
    }
  } key_wiper{key};

  const std::unique_ptr<WlanSession> session = api.Open();
  if (!session) return kServicesUnavailable;

  ProfilePlan plan = PlanProfile(network, key ? key->View() : std::wstring_view());
  if (key) key->Wipe();
  if (plan.mode == ProfilePlan::Mode::Refused) return plan.message;

  ConnectWatch watch;
  watch.interface_id = network.interface_id;
  watch.ssid = network.ssid;
  const bool watching = session->WatchConnection(watch);

  std::wstring message;
  ConnectRequest request;
  request.interface_id = network.interface_id;
  request.ssid = network.ssid;
  request.temporary_profile = plan.mode == ProfilePlan::Mode::Temporary;
  // The request takes the document itself, not a copy, so one wipe suffices.
  request.profile = request.temporary_profile ? std::move(plan.xml) : network.profile_name;
  WipeText(plan.xml);

  if (!cancel) {
    const std::uint32_t result = session->Connect(request);
    if (result != 0) {
      message = WlanErrorText(result);
    } else {
      bool done = false;
      for (int round = 0; round < kConnectPollRounds && !done && !cancel; ++round) {
        if (watch.reason.load() != 0) {
          message = kConnectFailed;
          done = true;
          break;
        }
        const auto connection = session->QueryConnection(network.interface_id);
        if (connection && ConnectedTo(*connection, network)) {
          if (remember && request.temporary_profile &&
              session->SaveTemporaryProfile(network.interface_id, plan.profile_name) != 0) {
            message = kNotRemembered;
          } else {
            message = L"Connected to " + network.name + L".";
          }
          done = true;
          break;
        }
        if (watching) {
          session->WaitForEvent(kConnectPollMs);
        } else {
          session->Sleep(kConnectPollMs);
        }
      }
      if (!done && !cancel) message = kConnectTimedOut;
    }
  }
  session->StopWatching();
  WipeText(request.profile);
  return message;
}

}  // namespace notch::wifi
