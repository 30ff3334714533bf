#pragma once
// The Quick Controls panel's state and rules, over the ports of panel_ports.h:
// opening and closing, SetupPage, Tick, the task slot, the command dispatch,
// the key filter's decisions and the fade.
#include <cstdint>
#include <optional>
#include <string>

#include "panel/panel_page.h"
#include "panel/panel_ports.h"
#include "panel/panel_rules.h"
#include "panel/search_page.h"
#include "panel/search_settings_page.h"
#include "panel/task_slot.h"
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

  // A WM_COMMAND from control `id`; `list_double_click` / `list_selection`
  // for the list box's notifications.
  enum class Notification { Clicked, ListSelection, ListDoubleClick, EditChange, Focus };
  void Command(int id, Notification notification = Notification::Clicked);
  // `tracking`: a thumb-track notification of a drag.
  void SliderMoved(int value, bool tracking = false);
  // A brightness read finished (page setup and refresh on Display).
  void ShowBrightness(const brightness::Result& result);
  // A brightness write finished.
  void BrightnessWritten(const brightness::Result& result);
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
  unsigned dpi() const { return dpi_; }

 private:
  PageInputs Inputs() const;
  void ApplyAlpha();
  void RefreshVolume();
  void RefreshHome();
  bool HoldActive() const;
  void FocusSearchWhenVisible();

  PanelServices s_;
  TaskSlot slot_;
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
  brightness::Coalescer brightness_;
  bool slider_dragging_ = false;
  void FlushBrightness(bool force);
  bool prompt_shown_ = false;
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
