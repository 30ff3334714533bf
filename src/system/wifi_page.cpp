#include "system/wifi_page.h"

#include "common/text.h"

namespace notch::wifi {
namespace {

bool NeedsSettings(const Network& network) {
  return !network.connectable || (!network.open && !network.personal && network.profile_name.empty());
}

}  // namespace

NetworkAction ActOnNetwork(const Network& selected, bool location_denied) {
  using Kind = NetworkAction::Kind;
  if (location_denied) return {Kind::OpenSettings, kLocationSettingsUri};
  if (selected.connected) return {};
  if (!selected.connectable) return {Kind::OpenSettings, kWifiSettingsUri};
  if (!selected.open && !selected.personal) {
    if (!selected.profile_name.empty()) return {Kind::Connect};
    return {Kind::OpenSettings, kWifiSettingsUri};
  }
  if (!selected.profile_name.empty() || selected.open) return {Kind::Connect};
  return {Kind::ShowPrompt};
}

std::wstring PromptSubtitle(const Network& pending) { return L"Password for " + pending.name; }

bool AcceptPromptKey(const Secret& key, std::wstring& status) {
  if (Utf16Length(key.View()) < kMinimumKeyLength) {
    status = kKeyTooShort;
    return false;
  }
  return true;
}

KeyPrompt::Opened KeyPrompt::Open(const Network& network) {
  shown_ = true;
  remember_ = false;
  pending_ = network;
  return {PromptSubtitle(network), kEnterKey};
}

KeyPrompt::Submitted KeyPrompt::Submit(std::shared_ptr<Secret> key) {
  Submitted submitted;
  if (!shown_) return submitted;
  if (key == nullptr || !AcceptPromptKey(*key, submitted.status)) {
    if (key != nullptr) key->Wipe();
    if (submitted.status.empty()) submitted.status = kKeyTooShort;
    return submitted;
  }
  submitted.connect = true;
  submitted.network = pending_;
  submitted.key = std::move(key);
  submitted.remember = remember_;
  Close();
  return submitted;
}

std::wstring KeyPrompt::Cancel() {
  Close();
  return kCanceled;
}

void KeyPrompt::Close() {
  shown_ = false;
  remember_ = false;
  pending_ = Network{};
}

std::wstring Subtitle(const ListView& view) {
  if (view.networks != nullptr) {
    for (const Network& network : *view.networks) {
      if (network.connected) return network.name + L" \u00B7 Connected";
    }
  }
  return view.radio_off ? L"Wi-Fi is turned off" : L"Not connected";
}

std::wstring RowDetail(const Network& network) {
  std::wstring detail =
      network.connected ? L"Connected \u00B7 " : (!network.profile_name.empty() ? L"Saved \u00B7 " : L"");
  detail += network.open ? L"Open network" : L"Secured";
  return detail;
}

std::wstring RowRightText(const Network& network) {
  return (network.connected ? L"Connected \u00B7 " : L"") + std::to_wstring(network.signal) + L"%";
}

std::wstring RowString(const Network& network) {
  std::wstring row = network.name + L"  \u00B7  " + std::to_wstring(network.signal) + L"%";
  if (network.connected) {
    row += L"  \u00B7  Connected";
  } else if (!network.profile_name.empty()) {
    row += L"  \u00B7  Saved";
  }
  row += network.open ? L"  \u00B7  Open" : L"  \u00B7  Secured";
  return row;
}

std::wstring Placeholder(const ListView& view) {
  if (view.refreshing) return L"Looking for Wi-Fi networks\u2026";
  if (view.location_denied) return L"Allow location access in Windows Settings.";
  if (view.radio_off) return L"Wi-Fi is turned off.";
  return kNoNetworks;
}

std::wstring StatusAfterConnect(const std::wstring& message, const ListView& view) {
  return message.empty() ? Placeholder(view) : message;
}

std::wstring StatusAfterRefresh(const std::wstring& refresh_status, const std::wstring& list_status) {
  return refresh_status.empty() ? list_status : refresh_status;
}

ActionButton ActionButtonFor(const Network* selected, bool location_denied, bool idle) {
  if (location_denied) return {L"Location settings", idle};
  if (selected != nullptr && selected->connected) return {L"Connected", false};
  if (selected != nullptr && NeedsSettings(*selected)) return {L"Open Settings", idle};
  return {L"Connect", selected != nullptr && idle};
}

std::optional<std::size_t> SelectionAfterRefill(const std::vector<Network>& networks,
                                                const std::wstring& selected_name) {
  if (selected_name.empty()) return std::nullopt;
  for (std::size_t i = 0; i < networks.size(); ++i) {
    if (networks[i].name == selected_name) return i;
  }
  return std::nullopt;
}

}  // namespace notch::wifi
