#include "panel/radio_controls.h"

#include <utility>

#include "panel/quick_panel.h"

namespace notch::quick {
namespace {

constexpr wchar_t kBluetoothGlyph = L'\uE702';

bool RadioPage(Page page) { return page == Page::WiFi || page == Page::Bluetooth; }

InlinePrompt PairingPrompt(const bluetooth::PromptView& view) {
  InlinePrompt prompt;
  prompt.subtitle = view.subtitle;
  const int y = view.buttons_y;
  if (view.edit) {
    PanelControl edit;
    edit.id = control::kPromptEdit;
    edit.kind = ControlKind::Edit;
    edit.rect = {38, 104, 296, 18};
    edit.password = true;
    edit.text_limit = bluetooth::kPinLimit;
    prompt.controls.push_back(edit);
  }
  PanelControl confirm;
  confirm.id = control::kPromptSubmit;
  confirm.kind = ControlKind::Button;
  confirm.text = L"Confirm";
  confirm.rect = {28, y, 118, 30};
  prompt.controls.push_back(confirm);
  PanelControl cancel = confirm;
  cancel.id = control::kPromptCancel;
  cancel.text = L"Cancel";
  cancel.rect = {154, y, 96, 30};
  prompt.controls.push_back(cancel);
  prompt.focus = view.edit ? control::kPromptEdit : control::kPromptCancel;
  return prompt;
}

}  // namespace

// ---- Radio toggle -------------------------------------------------------------

void RadioControls::ToggleRadio(QuickPanel& panel) {
  if (!RadioPage(panel.page()) || !panel.slot().Idle() || AccessPending()) return;
  if (radio_state_ != radios::kStateOn && radio_state_ != radios::kStateOff) return;
  access_kind_ = radios::PageRadio(panel.page() == Page::WiFi);
  access_target_on_ = radios::ToggleTargetOn(radio_state_);
  access_ = panel.services().work.RequestRadioAccess();
  if (!access_) {
    panel.ShowStatus(radios::kRequestImpossible, false);
    return;
  }
  panel.ShowStatus(radios::kWaitingForAccess, false);
  RefreshToggle(panel);
}

void RadioControls::TakeAccessAnswer(QuickPanel& panel) {
  if (!access_) return;
  const std::optional<std::int32_t> answer = access_->Result();
  if (!answer) return;
  access_.reset();
  if (!panel.open()) return;
  if (*answer == radios::kAccessAllowed) {
    radios::RadioSource* source = panel.services().work.Radios();
    const radios::RadioKind kind = access_kind_;
    const bool on = access_target_on_;
    if (source != nullptr) {
      panel.Start([source, kind, on](const std::atomic<bool>&) {
        const std::wstring message = radios::SetRadio(*source, kind, on);
        return Continuation([message](QuickPanel& p) { p.RefreshDevices(true, message, false); });
      });
    }
    RefreshToggle(panel);
    return;
  }
  RefreshToggle(panel);
  panel.ShowStatus(radios::kAccessDenied, false);
}

void RadioControls::SetRadioState(QuickPanel& panel, std::int32_t state) {
  radio_state_ = state;
  RefreshToggle(panel);
}

void RadioControls::RefreshToggle(QuickPanel& panel) {
  if (!RadioPage(panel.page())) return;
  PanelWindow& window = panel.services().window;
  const bool idle = panel.slot().Idle() && !AccessPending();
  const radios::ToggleTile tile = radios::RadioToggleTile(panel.page() == Page::WiFi, radio_state_, idle);
  window.SetText(control::kRadioToggle, tile.tooltip);
  window.Enable(control::kRadioToggle, tile.enabled);
  window.SetTileCaption(control::kRadioToggle, {tile.title, tile.subtitle, tile.crossed});
  window.Enable(control::kRefresh, idle);
  if (panel.page() != Page::Bluetooth) return;
  const bluetooth::ActionButton action = bluetooth::PairButton(Selected(panel), idle);
  window.SetText(control::kAct, action.text);
  window.Enable(control::kAct, action.enabled);
  window.SetListPlaceholder(bluetooth::Placeholder(radio_state_, refreshing_ && !idle));
}

// ---- Bluetooth page -------------------------------------------------------------

std::optional<TaskBody> RadioControls::BluetoothRefreshTask(PageWork& work, const std::wstring& message) {
  radios::RadioSource* radio_source = work.Radios();
  bluetooth::DeviceSource* device_source = work.Devices();
  if (radio_source == nullptr || device_source == nullptr) return std::nullopt;
  refreshing_ = true;
  return TaskBody([radio_source, device_source, message](const std::atomic<bool>& cancelled) {
    bluetooth::Refresh refresh = bluetooth::RefreshBluetooth(*radio_source, *device_source, cancelled);
    return Continuation([refresh = std::move(refresh), message](QuickPanel& panel) {
      panel.radio().BluetoothRefreshed(panel, refresh, message);
    });
  });
}

void RadioControls::BluetoothRefreshed(QuickPanel& panel, const bluetooth::Refresh& refresh,
                                       const std::wstring& message) {
  refreshing_ = false;
  if (panel.page() != Page::Bluetooth) return;
  radio_state_ = refresh.radio_state;
  devices_ = refresh.devices;
  FillList(panel);
  panel.services().window.SetText(control::kSubtitle, bluetooth::Subtitle(radio_state_, devices_));
  panel.ShowStatus(bluetooth::RefreshStatus(message, radio_state_, devices_), false);
  RefreshToggle(panel);
}

void RadioControls::FillList(QuickPanel& panel) {
  std::vector<ListRow> rows;
  rows.reserve(devices_.size());
  for (const bluetooth::Device& device : devices_) {
    const bluetooth::Row row = bluetooth::DeviceRow(device);
    rows.push_back({row.name, row.name, row.detail, row.state, kBluetoothGlyph});
  }
  const std::optional<std::size_t> selected = bluetooth::SelectionAfterRefill(devices_, selected_name_);
  if (!selected) selected_name_.clear();
  PanelWindow& window = panel.services().window;
  window.SetListPlaceholder(bluetooth::Placeholder(radio_state_, false));
  window.FillList(rows, selected);
}

const bluetooth::Device* RadioControls::Selected(QuickPanel& panel) const {
  const std::optional<std::size_t> row = panel.services().window.ListSelection();
  if (!row || *row >= devices_.size()) return nullptr;
  return &devices_[*row];
}

void RadioControls::ListSelectionChanged(QuickPanel& panel) {
  if (panel.page() != Page::Bluetooth) return;
  const bluetooth::Device* device = Selected(panel);
  selected_name_ = device != nullptr ? device->name : std::wstring();
  RefreshToggle(panel);
}

void RadioControls::SelectDevice(QuickPanel& panel) {
  if (panel.page() != Page::Bluetooth || !panel.slot().Idle() || AccessPending()) return;
  const bluetooth::Device* selected = Selected(panel);
  if (selected == nullptr || !selected->can_pair || selected->paired) return;
  bluetooth::PairingSource* source = panel.services().work.Pairing();
  if (source == nullptr) return;
  bluetooth::Pacer* pacer = &panel.services().work.PairingPacer();
  bluetooth::SharedPrompt prompt = std::make_shared<bluetooth::PairPrompt>();
  bluetooth::SharedCancel cancel = std::make_shared<std::atomic<bool>>(false);
  const bluetooth::Device device = *selected;
  const bool started = panel.Start([source, pacer, prompt, cancel, device](const std::atomic<bool>&) {
    const std::wstring message = bluetooth::Pair(*source, device, prompt, cancel, *pacer);
    return Continuation([message](QuickPanel& p) { p.radio().PairingFinished(p, message); });
  });
  if (!started) return;
  prompt_ = std::move(prompt);
  pair_cancel_ = std::move(cancel);
  panel.ShowStatus(bluetooth::kStartingPairing, false);
  RefreshToggle(panel);
}

// ---- Pairing prompt ---------------------------------------------------------------

void RadioControls::ShowWaitingPrompt(QuickPanel& panel) {
  if (!prompt_ || prompt_shown_ || panel.page() != Page::Bluetooth) return;
  const std::optional<bluetooth::PromptView> view = bluetooth::PromptToShow(*prompt_);
  if (!view) return;
  PanelWindow& window = panel.services().window;
  const InlinePrompt inline_prompt = PairingPrompt(*view);
  window.ShowPrompt(inline_prompt.controls);
  subtitle_before_prompt_ = window.Text(control::kSubtitle);
  window.SetText(control::kSubtitle, inline_prompt.subtitle);
  window.Focus(inline_prompt.focus);
  prompt_shown_ = true;
}

void RadioControls::ConfirmPrompt(QuickPanel& panel) {
  if (!prompt_ || !prompt_shown_) return;
  PanelWindow& window = panel.services().window;
  std::wstring typed = window.Text(control::kPromptEdit);
  std::wstring status;
  const bool closes = bluetooth::ConfirmPrompt(*prompt_, typed, status);
  for (wchar_t& c : typed) c = L'\0';
  if (closes) HidePrompt(window);
  panel.ShowStatus(status, false);
}

void RadioControls::CancelPrompt(QuickPanel& panel) {
  if (!prompt_) return;
  bluetooth::CancelPrompt(*prompt_, *pair_cancel_);
  panel.slot().Cancel();
  prompt_.reset();
  if (prompt_shown_) HidePrompt(panel.services().window);
  FillList(panel);
  panel.ShowStatus(bluetooth::kCanceled, false);
}

void RadioControls::PairingFinished(QuickPanel& panel, const std::wstring& message) {
  if (prompt_shown_) HidePrompt(panel.services().window);
  prompt_.reset();
  pair_cancel_.reset();
  panel.RefreshDevices(false, message, false);
}

void RadioControls::DropLeftoverPrompt(QuickPanel& panel) {
  if (!prompt_ && !prompt_shown_) return;
  if (prompt_shown_) HidePrompt(panel.services().window);
  prompt_.reset();
  pair_cancel_.reset();
}

void RadioControls::HidePrompt(PanelWindow& window) {
  window.ClosePrompt();  // empties the PIN's edit
  window.SetText(control::kSubtitle, subtitle_before_prompt_);
  subtitle_before_prompt_.clear();
  prompt_shown_ = false;
}

// ---- Mobile Hotspot ---------------------------------------------------------------

void RadioControls::ReadHotspotForHome(QuickPanel& panel) {
  hotspot::TetheringSource* source = panel.services().work.Tethering();
  if (source == nullptr || !panel.slot().Idle() || AccessPending()) return;
  panel.Start([source](const std::atomic<bool>&) {
    const hotspot::Snapshot snapshot = hotspot::ReadHotspot(*source);
    return Continuation([snapshot](QuickPanel& p) {
      if (p.page() == Page::Home) p.radio().HotspotRead(p, snapshot);
    });
  });
}

void RadioControls::HotspotRead(QuickPanel& panel, const hotspot::Snapshot& snapshot) {
  hotspot_ = snapshot;
  RefreshHotspotTile(panel);
}

void RadioControls::ToggleHotspot(QuickPanel& panel) {
  if (!panel.slot().Idle() || AccessPending()) return;
  const hotspot::TogglePlan plan = hotspot::PlanToggle(hotspot_);
  if (plan.open_settings) {
    panel.services().host.OpenUri(hotspot::kSettingsUri);
    panel.ShowStatusFor(plan.status, plan.hold_ms);
    return;
  }
  hotspot::TetheringSource* source = panel.services().work.Tethering();
  const std::int32_t old_state = hotspot_.state;
  hotspot_.state = hotspot::kSwitching;
  const bool on = plan.switch_on;
  const bool started = source != nullptr && panel.Start([source, on](const std::atomic<bool>&) {
    // A switch that throws still reads the state back, so the tile leaves
    // "switching"; its status is the panel's failure message.
    std::wstring message;
    bool failed = false;
    try {
      message = hotspot::SetHotspot(*source, on);
    } catch (...) {
      failed = true;
    }
    const hotspot::Snapshot snapshot = hotspot::ReadHotspot(*source);
    return Continuation([message, failed, snapshot](QuickPanel& p) {
      p.radio().HotspotSwitched(p, failed ? TaskFailedMessage() : message, snapshot);
    });
  });
  // A switch that never started must not leave the tile switching for good.
  if (!started) hotspot_.state = old_state;
  RefreshHotspotTile(panel);
  if (started) panel.ShowStatusFor(plan.status, plan.hold_ms);
}

void RadioControls::HotspotSwitched(QuickPanel& panel, const std::wstring& message, const hotspot::Snapshot& snapshot) {
  hotspot_ = snapshot;
  RefreshHotspotTile(panel);
  const hotspot::SwitchReport report = hotspot::ReportSwitch(message, snapshot);
  panel.ShowStatusFor(report.status, report.hold_ms);
}

void RadioControls::RefreshHotspotTile(QuickPanel& panel) {
  if (panel.page() != Page::Home && panel.page() != Page::WiFi) return;
  const hotspot::Tile tile = hotspot::HotspotTile(hotspot_, !panel.slot().Idle(), AccessPending());
  PanelWindow& window = panel.services().window;
  window.SetText(control::kHotspot, tile.tooltip);
  window.Enable(control::kHotspot, tile.enabled);
  if (panel.page() == Page::WiFi) window.SetTileCaption(control::kHotspot, {tile.title, tile.subtitle, false});
}

void RadioControls::RunPendingHotspotToggle(QuickPanel& panel) {
  if (!pending_hotspot_toggle_ || panel.page() != Page::Home || !panel.slot().Idle() || AccessPending()) return;
  pending_hotspot_toggle_ = false;
  ToggleHotspot(panel);
}

void RadioControls::ResetForPage() {
  radio_state_ = radios::kStateUnknown;
  devices_.clear();
  refreshing_ = false;
  selected_name_.clear();
  prompt_shown_ = false;
  subtitle_before_prompt_.clear();
}

void RadioControls::ResetForClose() {
  hotspot_ = hotspot::Snapshot{};
  pending_hotspot_toggle_ = false;
  prompt_shown_ = false;
  subtitle_before_prompt_.clear();
}

}  // namespace notch::quick
