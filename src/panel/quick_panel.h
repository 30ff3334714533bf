#pragma once
// The Quick Controls panel's state and rules, over the ports of panel_ports.h:
// opening and closing, SetupPage, Tick, the task slot, the command dispatch,
// the key filter's decisions and the fade.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "panel/button_layout.h"
#include "panel/panel_page.h"
#include "panel/panel_ports.h"
#include "panel/panel_rules.h"
#include "panel/radio_controls.h"
#include "panel/search_page.h"
#include "panel/search_settings_page.h"
#include "panel/sound_page.h"
#include "panel/task_slot.h"
#include "panel/wifi_panel.h"
#include "system/brightness.h"

namespace notch::quick {

struct PanelServices {
  PanelWindow& window;
  PanelIsland& island;
  MediaControls& media;
  VolumeControl& volume;
  PanelHost& host;
  PageWork& work;
  TaskLauncher& launcher;
  SoundDevices* sound = nullptr;  // none: the Sound page shows no output
};

// What the island hands over every frame while page 5 is expanded.
struct ShowInputs {
  unsigned dpi = 96;
  bool high_contrast = false;
  unsigned theme = 0;
  double opacity = 1.0;  // island opacity
};

// Keys the filter acts on.
enum class PanelKey { Escape, Enter, CtrlT, Up, Down, Other };

class QuickPanel {
 public:
  explicit QuickPanel(const PanelServices& services, std::function<void()> task_finished = {});

  // Island operations.
  void Show(const ShowInputs& in);
  void Close();
  void OpenPanelAt(Page page);
  void OpenQuickSearch();

  void SetupPage(Page page, bool without_fade = false);
  void Tick();
  bool Start(TaskBody body);
  void RefreshDevices(bool rescan, const std::wstring& status, bool quiet);
  void ShowStatus(const std::wstring& text, bool hold);
  // Shows `text` and keeps Tick from replacing it for `hold_ms`.
  void ShowStatusFor(const std::wstring& text, std::uint64_t hold_ms);
  // The header's Hotspot button: toggle once Home is set up and the slot idle.
  void SetPendingHotspotToggle() { radio_.SetPendingHotspotToggle(); }

  // A WM_COMMAND from control `id`; `list_double_click` / `list_selection`
  // for the list box's notifications.
  enum class Notification { Clicked, ListSelection, ListDoubleClick, EditChange, Focus };
  void Command(int id, Notification notification = Notification::Clicked);
  // `tracking`: a thumb-track notification of a drag; `end_track`: the
  // notification that closes a drag or a key press.
  void SliderMoved(int value, bool tracking = false, bool end_track = false);
  // A brightness read finished (page setup and refresh on Display).
  void ShowBrightness(const brightness::Result& result);
  // A brightness write finished.
  void BrightnessWritten(const brightness::Result& result);
  // The Wi-Fi refresh and connect tasks finished.
  void ShowWifi(const WifiRefresh& refresh);
  void WifiConnected(const std::wstring& message);
  // The key filter: true when the key was handled.
  bool Key(PanelKey key, int focused_control);
  // One frame of the page fade.
  void FadeFrame();
  // The key filter while a shortcut is being captured: true when taken.
  bool CaptureKey(int key, bool alt, bool ctrl, bool shift);
  // Whether an owner-drawn button is drawn as the current choice.
  bool ButtonSelected(int id) const;

  // The Search pages' list, timer and engine; without them both pages stay empty.
  void AttachSearch(SearchView& view, QuickSearchPorts& ports);
  SearchPage& search() { return search_; }
  SearchSettingsPage& search_settings() { return search_settings_; }

  // A Quick Search result's target: true when it was a "notch:" link, which
  // the panel handles itself (an unknown one does nothing).
  bool OpenNotchLink(std::wstring_view target);

  // A left click on the island header's button `button` (catalogue number).
  void HeaderButton(int button);
  // A left click on the island's header row: kind 1 a button (`index` its
  // catalogue number), 2 the Quick Controls tab (Home), 3 the settings glyph
  // (NotchSettings).
  void HeaderClicked(int kind, int index);

  // The button layout: the store's, or the default one without a store.
  Layout CurrentLayout() const;
  // Writes `layout`, then rebuilds the Customize page and focuses the chip of
  // `focus` (the Back button when none); a failed write keeps the old layout.
  void SaveLayout(const Layout& layout, std::optional<int> focus);
  // Moves a button before position `index` of the header or the panel list
  // and saves; a move that changes nothing writes nothing.
  void MoveButton(int button, bool to_header, int index);

  // The Customize page's chips (coordinates in panel pixels). A press starts
  // tracking; the drag itself starts 4 DIPs away from the press point.
  bool ChipPressed(int button, int x, int y);
  struct ChipDragView {
    bool dragging = false;  // past the threshold: the cursor shows the drop
    bool allowed = false;   // over a target that takes the chip
  };
  ChipDragView ChipMoved(int x, int y);
  void ChipReleased();
  // Capture loss, WM_CANCELMODE or Esc: the drag ends without a drop.
  void EndChipDrag();
  // Ctrl + an arrow on the focused chip of `button`.
  void MoveChipByKey(int button, ChipKey key);
  struct ChipDrag {
    bool active = false;  // pressed and tracking
    bool moved = false;   // past the threshold
    int button = -1;
    int press_x = 0, press_y = 0;
    std::optional<DropTarget> target;
  };
  const ChipDrag& chip_drag() const { return drag_; }

  // Set by the header's Hotspot button; Tick runs the toggle on Home.
  bool pending_hotspot_toggle() const { return radio_.pending_hotspot_toggle(); }

  // Deactivation and WM_CLOSE.
  void LostFocus();
  void ReturnToMedia();
  IslandStyle CurrentStyle() const;

  bool PanelWantsToStay() const;
  bool HoldsIsland() const;

  bool open() const { return open_; }
  Page page() const { return page_; }
  PanelSize size() const { return size_; }
  double fade_factor() const { return fade_factor_; }
  std::uint8_t alpha() const { return alpha_; }
  bool deferred_refresh() const { return deferred_refresh_; }
  std::optional<Page> pending_page() const { return pending_page_; }
  bool opened_straight_into_search() const { return straight_into_search_; }
  TaskSlot& slot() { return slot_; }
  const PanelServices& services() const { return s_; }
  const WifiPage& wifi() const { return wifi_; }
  const SoundPage& sound() const { return sound_; }
  RadioControls& radio() { return radio_; }
  unsigned dpi() const { return dpi_; }

 private:
  PageInputs Inputs() const;
  void ApplyAlpha();
  void RefreshSound(bool force);
  void ListCommand(int id, Notification notification);
  void RefreshHome();
  bool HoldActive() const;
  void FocusSearchWhenVisible();

  PanelServices s_;
  TaskSlot slot_;
  RadioControls radio_;
  bool open_ = false;
  bool shown_once_ = false;
  Page page_ = Page::Home;
  PanelSize size_ = kClosedPanelSize;
  unsigned dpi_ = 96;
  bool high_contrast_ = false;
  unsigned theme_ = 0;
  double island_opacity_ = 1.0;
  std::optional<Page> pending_page_;
  bool straight_into_search_ = false;
  bool focus_search_when_visible_ = false;
  bool deferred_refresh_ = false;
  bool pending_wifi_rescan_ = false;
  ChipDrag drag_;
  brightness::Coalescer brightness_;
  bool slider_dragging_ = false;
  void FlushBrightness(bool force);
  bool prompt_shown_ = false;
  bool PromptShown() const { return prompt_shown_ || wifi_.prompt_shown() || radio_.prompt_shown(); }
  SoundPage sound_;
  WifiPage wifi_;
  bool modal_ = false;
  std::uint64_t hold_until_ = 0;
  double fade_start_ms_ = 0.0;
  bool fading_ = false;
  double fade_factor_ = 1.0;
  std::optional<std::uint8_t> alpha_applied_;
  std::uint8_t alpha_ = 255;
  SearchPage search_;
  SearchSettingsPage search_settings_;
};

// The message a task that threw leaves on the status line (translated).
std::wstring TaskFailedMessage();

}  // namespace notch::quick
