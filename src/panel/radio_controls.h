#pragma once
// The panel's radio side: the radio toggle tile of the Wi-Fi and Bluetooth
// pages with its pending access request, the Bluetooth page's list and
// pairing prompt, and the Mobile Hotspot tile with its pending toggle. The
// panel owns one and calls it from SetupPage, Tick and its commands.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panel/panel_page.h"
#include "panel/task_slot.h"
#include "system/bluetooth.h"
#include "system/hotspot.h"
#include "system/pairing.h"
#include "system/radios.h"

namespace notch::quick {

class PanelWindow;

class QuickPanel;
class PageWork;

class RadioControls {
 public:
  // ---- Radio toggle (control 113) ----
  void ToggleRadio(QuickPanel& panel);
  // Tick's first step: a finished access request starts the switch or is refused.
  void TakeAccessAnswer(QuickPanel& panel);
  bool AccessPending() const { return access_ != nullptr; }
  std::int32_t radio_state() const { return radio_state_; }
  // The Wi-Fi page's refresh stores the Wi-Fi radio's state here.
  void SetRadioState(QuickPanel& panel, std::int32_t state);
  // The toggle tile, the action button and the list's hint of the page.
  void RefreshToggle(QuickPanel& panel);

  // ---- Bluetooth page ----
  std::optional<TaskBody> BluetoothRefreshTask(PageWork& work, const std::wstring& message);
  void BluetoothRefreshed(QuickPanel& panel, const bluetooth::Refresh& refresh, const std::wstring& message);
  void SelectDevice(QuickPanel& panel);
  void ListSelectionChanged(QuickPanel& panel);
  const std::vector<bluetooth::Device>& devices() const { return devices_; }

  // ---- Pairing prompt ----
  // Tick's third step: shows a request waiting for an answer.
  void ShowWaitingPrompt(QuickPanel& panel);
  void ConfirmPrompt(QuickPanel& panel);
  void CancelPrompt(QuickPanel& panel);
  void PairingFinished(QuickPanel& panel, const std::wstring& message);
  // An idle slot on the Wi-Fi or Bluetooth page drops a prompt left behind.
  void DropLeftoverPrompt(QuickPanel& panel);
  bool prompt_shown() const { return prompt_shown_; }
  bool has_prompt() const { return prompt_ != nullptr; }

  // ---- Mobile Hotspot (control 138) ----
  void ReadHotspotForHome(QuickPanel& panel);
  void ToggleHotspot(QuickPanel& panel);
  void HotspotRead(QuickPanel& panel, const hotspot::Snapshot& snapshot);
  void HotspotSwitched(QuickPanel& panel, const std::wstring& message, const hotspot::Snapshot& snapshot);
  void RefreshHotspotTile(QuickPanel& panel);
  const hotspot::Snapshot& hotspot() const { return hotspot_; }
  void SetPendingHotspotToggle() { pending_hotspot_toggle_ = true; }
  bool pending_hotspot_toggle() const { return pending_hotspot_toggle_; }
  // Tick's Home step: the header's Hotspot button asked for a toggle.
  void RunPendingHotspotToggle(QuickPanel& panel);

  // SetupPage: a new page starts with an unknown radio and no list.
  void ResetForPage();
  // ClosePanel: forgets the snapshot, the pending toggle and the prompt flag.
  void ResetForClose();

 private:
  // Closes the shown pairing prompt and puts the page's subtitle back.
  void HidePrompt(PanelWindow& window);
  void FillList(QuickPanel& panel);
  const bluetooth::Device* Selected(QuickPanel& panel) const;

  std::int32_t radio_state_ = radios::kStateUnknown;
  std::unique_ptr<radios::AccessRequest> access_;
  radios::RadioKind access_kind_ = radios::RadioKind::Bluetooth;
  bool access_target_on_ = false;

  std::vector<bluetooth::Device> devices_;
  bool refreshing_ = false;
  std::wstring selected_name_;

  bluetooth::SharedPrompt prompt_;
  bluetooth::SharedCancel pair_cancel_;
  bool prompt_shown_ = false;
  std::wstring subtitle_before_prompt_;  // the page's subtitle, back when the prompt closes

  hotspot::Snapshot hotspot_;
  bool pending_hotspot_toggle_ = false;
};

}  // namespace notch::quick
