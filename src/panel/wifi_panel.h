#pragma once
// The Wi-Fi page of the panel: the network list the refresh task fills, the
// action on the selected network, the inline key prompt and the connect
// task. The rules themselves are system/wifi_page's; this joins them to the
// panel's window, task slot and status line.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panel/panel_ports.h"
#include "system/hotspot.h"
#include "system/radios.h"
#include "system/wifi_page.h"
#include "system/wifi_tasks.h"

namespace notch::quick {

class QuickPanel;

// What a refresh of the page hands back: the Wi-Fi radio's state, the
// hotspot and the networks.
struct WifiRefresh {
  std::int32_t radio_state = radios::kStateUnknown;
  std::optional<hotspot::Snapshot> hotspot;  // nothing without a tethering source
  wifi::ListResult list;
};

// The refresh task's work, on a worker thread; either source may be missing.
WifiRefresh ReadWifiPage(radios::RadioSource* radio_source, hotspot::TetheringSource* tethering, wifi::WlanApi& wlan,
                         bool rescan, const std::atomic<bool>& cancel);

// The icon drawn beside every network.
inline constexpr wchar_t kWifiGlyph = L'\uE701';

class WifiPage {
 public:
  // Page setup: forgets the list, the selection and the prompt.
  void Reset();

  // A refresh task started; `status` is shown when it finishes (empty: the
  // list's own status).
  void RefreshStarted(QuickPanel& panel, const std::wstring& status);
  // The refresh task's result.
  void ShowRefresh(QuickPanel& panel, const WifiRefresh& refresh);
  // The connect task's message (empty when it was cancelled).
  void Connected(QuickPanel& panel, const std::wstring& message);

  void SelectionChanged(QuickPanel& panel);
  // Control 116 or a double-click on a row.
  void Act(QuickPanel& panel);
  // The prompt's Connect (120) or Enter, Cancel (121) or Esc, Remember (119).
  void SubmitPrompt(QuickPanel& panel);
  void CancelPrompt(QuickPanel& panel);
  void ToggleRemember(QuickPanel& panel);

  // Text and state of control 116 for the selection and the slot.
  void UpdateActionButton(QuickPanel& panel);

  bool prompt_shown() const { return prompt_.shown(); }
  const wifi::KeyPrompt& prompt() const { return prompt_; }
  const std::vector<wifi::Network>& networks() const { return networks_; }

 private:
  wifi::ListView View() const;
  const wifi::Network* Selected(QuickPanel& panel) const;
  void Refill(QuickPanel& panel);
  void OpenPrompt(QuickPanel& panel, const wifi::Network& network);
  void ClosePrompt(QuickPanel& panel);
  void ConnectTo(QuickPanel& panel, const wifi::Network& network, std::shared_ptr<wifi::Secret> key, bool remember);

  std::vector<wifi::Network> networks_;
  std::wstring list_status_;
  bool location_denied_ = false;
  bool radio_off_ = false;
  bool refreshing_ = false;
  std::wstring refresh_status_;
  std::wstring selected_name_;
  wifi::KeyPrompt prompt_;
};

// The prompt's controls as the window creates them.
std::vector<PanelControl> WifiPromptControls();

}  // namespace notch::quick
