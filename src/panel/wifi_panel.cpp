#include "panel/wifi_panel.h"

#include <utility>

#include "panel/quick_panel.h"

namespace notch::quick {

std::vector<PanelControl> WifiPromptControls() {
  std::vector<PanelControl> controls;
  for (const wifi::PromptControl& p : wifi::kPromptControls) {
    PanelControl c;
    c.id = p.id;
    c.kind = p.id == wifi::kPromptEditId ? ControlKind::Edit : ControlKind::Button;
    c.text = p.text;
    c.rect = {p.x, p.y, p.width, p.height};
    if (p.id == wifi::kPromptEditId) {
      c.password = true;
      c.text_limit = wifi::kPromptKeyLimit;
    }
    controls.push_back(std::move(c));
  }
  return controls;
}

void WifiPage::Reset() {
  networks_.clear();
  list_status_.clear();
  location_denied_ = false;
  radio_off_ = false;
  refreshing_ = false;
  refresh_status_.clear();
  selected_name_.clear();
  prompt_.Close();
}

wifi::ListView WifiPage::View() const { return {&networks_, radio_off_, location_denied_, refreshing_}; }

const wifi::Network* WifiPage::Selected(QuickPanel& panel) const {
  const std::optional<std::size_t> row = panel.services().window.ListSelection();
  return row && *row < networks_.size() ? &networks_[*row] : nullptr;
}

void WifiPage::RefreshStarted(QuickPanel& panel, const std::wstring& status) {
  refreshing_ = true;
  refresh_status_ = status;
  panel.services().window.SetListPlaceholder(wifi::Placeholder(View()));
  UpdateActionButton(panel);
}

WifiRefresh ReadWifiPage(radios::RadioSource* radio_source, hotspot::TetheringSource* tethering, wifi::WlanApi& wlan,
                         bool rescan, const std::atomic<bool>& cancel) {
  WifiRefresh refresh;
  // A system without the radio interface still lists its networks.
  try {
    if (radio_source != nullptr) refresh.radio_state = radios::ReadRadioState(*radio_source, radios::RadioKind::WiFi);
  } catch (const radios::RadioError&) {
    refresh.radio_state = radios::kStateUnknown;
  }
  if (tethering != nullptr) refresh.hotspot = hotspot::ReadHotspot(*tethering);
  refresh.list = wifi::ListNetworks(wlan, rescan, cancel);
  return refresh;
}

void WifiPage::ShowRefresh(QuickPanel& panel, const WifiRefresh& refresh) {
  if (const wifi::Network* selected = Selected(panel)) selected_name_ = selected->name;
  networks_ = refresh.list.networks;
  list_status_ = refresh.list.status;
  location_denied_ = refresh.list.location_denied;
  radio_off_ = refresh.radio_state == radios::kStateOff;
  refreshing_ = false;
  Refill(panel);
  panel.radio().SetRadioState(panel, refresh.radio_state);
  if (refresh.hotspot) panel.radio().HotspotRead(panel, *refresh.hotspot);
  const std::wstring status = wifi::StatusAfterRefresh(refresh_status_, list_status_);
  refresh_status_.clear();
  if (!prompt_.shown()) panel.ShowStatus(status, false);
}

void WifiPage::Refill(QuickPanel& panel) {
  PanelWindow& window = panel.services().window;
  std::vector<ListRow> rows;
  rows.reserve(networks_.size());
  for (const wifi::Network& network : networks_) {
    rows.push_back(
        {wifi::RowString(network), network.name, wifi::RowDetail(network), wifi::RowRightText(network), kWifiGlyph});
  }
  window.SetListPlaceholder(wifi::Placeholder(View()));
  window.FillList(rows, wifi::SelectionAfterRefill(networks_, selected_name_));
  if (!prompt_.shown()) window.SetText(control::kSubtitle, wifi::Subtitle(View()));
  UpdateActionButton(panel);
}

void WifiPage::Connected(QuickPanel& panel, const std::wstring& message) {
  panel.RefreshDevices(false, wifi::StatusAfterConnect(message, View()), false);
}

void WifiPage::SelectionChanged(QuickPanel& panel) {
  const wifi::Network* selected = Selected(panel);
  selected_name_ = selected != nullptr ? selected->name : std::wstring();
  UpdateActionButton(panel);
}

void WifiPage::UpdateActionButton(QuickPanel& panel) {
  const wifi::ActionButton button = wifi::ActionButtonFor(Selected(panel), location_denied_, panel.slot().Idle());
  panel.services().window.SetText(control::kAct, button.text);
  panel.services().window.Enable(control::kAct, button.enabled && !prompt_.shown());
}

void WifiPage::Act(QuickPanel& panel) {
  if (!panel.slot().Idle() || prompt_.shown()) return;
  if (location_denied_) {
    panel.services().host.OpenUri(wifi::kLocationSettingsUri);
    return;
  }
  const wifi::Network* selected = Selected(panel);
  if (selected == nullptr) return;
  const wifi::Network network = *selected;  // the list may be refilled below
  const wifi::NetworkAction action = wifi::ActOnNetwork(network, false);
  switch (action.kind) {
    case wifi::NetworkAction::Kind::None:
      break;
    case wifi::NetworkAction::Kind::OpenSettings:
      panel.services().host.OpenUri(action.uri);
      break;
    case wifi::NetworkAction::Kind::Connect:
      ConnectTo(panel, network, nullptr, false);
      break;
    case wifi::NetworkAction::Kind::ShowPrompt:
      OpenPrompt(panel, network);
      break;
  }
}

void WifiPage::OpenPrompt(QuickPanel& panel, const wifi::Network& network) {
  PanelWindow& window = panel.services().window;
  const wifi::KeyPrompt::Opened opened = prompt_.Open(network);
  window.ShowPrompt(WifiPromptControls());
  window.SetPressed(wifi::kPromptRememberId, prompt_.remember());
  window.SetText(control::kSubtitle, opened.subtitle);
  panel.ShowStatus(opened.status, false);
  window.Focus(wifi::kPromptEditId);
}

void WifiPage::ClosePrompt(QuickPanel& panel) {
  panel.services().window.ClosePrompt();
  Refill(panel);
}

void WifiPage::SubmitPrompt(QuickPanel& panel) {
  if (!prompt_.shown()) return;
  std::wstring typed = panel.services().window.Text(wifi::kPromptEditId);
  auto key = std::make_shared<wifi::Secret>(std::move(typed));
  wifi::WipeText(typed);  // what a short key left in place
  wifi::KeyPrompt::Submitted submitted = prompt_.Submit(std::move(key));
  if (!submitted.connect) {
    panel.ShowStatus(submitted.status, false);
    panel.services().window.Focus(wifi::kPromptEditId);
    return;
  }
  ClosePrompt(panel);
  ConnectTo(panel, submitted.network, std::move(submitted.key), submitted.remember);
}

void WifiPage::CancelPrompt(QuickPanel& panel) {
  if (!prompt_.shown()) return;
  const std::wstring status = prompt_.Cancel();
  ClosePrompt(panel);
  panel.ShowStatus(status, false);
}

void WifiPage::ToggleRemember(QuickPanel& panel) {
  if (!prompt_.shown()) return;
  prompt_.ToggleRemember();
  panel.services().window.SetPressed(wifi::kPromptRememberId, prompt_.remember());
}

void WifiPage::ConnectTo(QuickPanel& panel, const wifi::Network& network, std::shared_ptr<wifi::Secret> key,
                         bool remember) {
  panel.ShowStatus(wifi::kConnecting, false);
  std::optional<TaskBody> task = panel.services().work.ConnectTask(network, key, remember);
  const bool started = task && panel.Start(std::move(*task));
  if (!started) {
    if (key != nullptr) key->Wipe();
    panel.ShowStatus(list_status_, false);
  }
  UpdateActionButton(panel);
}

}  // namespace notch::quick
