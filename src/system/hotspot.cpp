#include "system/hotspot.h"

namespace notch::hotspot {
namespace {

Profile ChooseProfile(TetheringSource& source) {
  if (Profile internet = source.InternetProfile()) return internet;
  Profile connected, first;
  for (const ListedProfile& listed : source.ConnectionProfiles()) {
    if (!listed.profile) continue;
    if (!first) first = listed.profile;
    if (listed.connectivity != 0) connected = listed.profile;
  }
  return connected ? connected : first;
}

const wchar_t* CapabilityReason(std::int32_t capability) {
  switch (capability) {
    case 2:
      return kHardware;
    case 1:
    case 3:
    case 4:
      return kPolicy;
    default:
      return kNotOnConnection;
  }
}

}  // namespace

std::unique_ptr<TetheringManager> OpenTetheringManager(TetheringSource& source, std::wstring& reason) {
  try {
    const Profile profile = ChooseProfile(source);
    if (!profile) {
      reason = kNoConnection;
      return nullptr;
    }
    const std::int32_t capability = source.Capability(profile);
    if (capability != 0) {
      reason = CapabilityReason(capability);
      return nullptr;
    }
    std::unique_ptr<TetheringManager> manager = source.CreateManager(profile);
    if (!manager) reason = kCouldNotOpen;
    return manager;
  } catch (...) {
    reason = kUnavailableNow;
    return nullptr;
  }
}

Snapshot ReadHotspot(TetheringSource& source) {
  Snapshot snapshot;
  std::unique_ptr<TetheringManager> manager = OpenTetheringManager(source, snapshot.reason);
  if (!manager) {
    snapshot.state = kUnavailable;
    return snapshot;
  }
  try {
    switch (manager->OperationalState()) {
      case kOperationalOn:
        snapshot.state = kOn;
        break;
      case kOperationalOff:
        snapshot.state = kOff;
        break;
      case kOperationalInTransition:
        snapshot.state = kSwitching;
        break;
      default:
        snapshot.state = kUnknown;
        break;
    }
    snapshot.clients = manager->ClientCount();
    snapshot.max_clients = manager->MaxClientCount();
    snapshot.ssid = manager->Ssid();
  } catch (...) {
    snapshot = Snapshot{};
  }
  return snapshot;
}

std::wstring SwitchMessage(std::int32_t status, bool on) {
  switch (status) {
    case 0:
      return L"";
    case 9:
      return on ? L"" : L"Windows could not change Mobile Hotspot.";
    case 3:
      return L"Turn on Wi-Fi first to enable Mobile Hotspot.";
    case 7:
      return L"Turn on Bluetooth or Wi-Fi first.";
    case 8:
      return L"No active internet connection to share.";
    case 6:
      return L"Mobile Hotspot is already switching. Try again.";
    case 10:
    case 11:
      return L"Wi-Fi radio cannot host Hotspot on the current band.";
    default:
      return L"Windows could not change Mobile Hotspot.";
  }
}

std::wstring SetHotspot(TetheringSource& source, bool on) {
  std::wstring reason;
  std::unique_ptr<TetheringManager> manager = OpenTetheringManager(source, reason);
  if (!manager) return reason;
  return SwitchMessage(manager->Switch(on), on);
}

Tile HotspotTile(const Snapshot& snapshot, bool slot_busy, bool radio_request_pending) {
  Tile tile;
  tile.title = L"Hotspot";
  switch (snapshot.state) {
    case kOn:
      tile.tooltip = L"Hotspot on";
      tile.subtitle = L"Sharing";
      break;
    case kOff:
      tile.tooltip = L"Hotspot off";
      tile.subtitle = L"Off";
      break;
    case kSwitching:
      tile.tooltip = L"Hotspot\u2026";
      tile.subtitle = L"Updating\u2026";
      break;
    case kUnavailable:
      tile.tooltip = L"Hotspot";
      tile.subtitle = L"Unavailable";
      break;
    default:
      tile.tooltip = L"Hotspot";
      tile.subtitle = L"Off";
      break;
  }
  tile.enabled = !slot_busy && !radio_request_pending && snapshot.state != kSwitching;
  return tile;
}

TogglePlan PlanToggle(const Snapshot& snapshot) {
  TogglePlan plan;
  if (snapshot.state == kUnavailable) {
    plan.open_settings = true;
    plan.status = snapshot.reason.empty() ? L"Opened Windows Mobile Hotspot settings." : snapshot.reason;
    plan.hold_ms = 3500;
    return plan;
  }
  plan.switch_on = snapshot.state != kOn;
  plan.status = plan.switch_on ? L"Turning on Mobile Hotspot\u2026" : L"Turning off Mobile Hotspot\u2026";
  plan.hold_ms = 6000;
  return plan;
}

SwitchReport ReportSwitch(const std::wstring& message, const Snapshot& after) {
  if (!message.empty()) return {message, 5000};
  if (after.state == kOn) {
    return {after.ssid.empty() ? std::wstring(L"Mobile Hotspot is on.") : L"Mobile Hotspot is on \u00B7 " + after.ssid,
            4000};
  }
  return {L"Mobile Hotspot is off.", 3000};
}

}  // namespace notch::hotspot
