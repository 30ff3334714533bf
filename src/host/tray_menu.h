#pragma once
// The tray menu as data: which items it holds in each variant, their texts
// and check marks, and what choosing one does. The Windows shell turns the
// entries into a popup menu and carries out the actions.
#include <optional>
#include <string>
#include <vector>

#include "host/settings.h"

namespace notch {

namespace tray_item {
inline constexpr int kNotch = 1;
inline constexpr int kPill = 2;
inline constexpr int kActivityOnly = 3;
inline constexpr int kSequoia = 4;
inline constexpr int kTahoe = 5;
inline constexpr int kGoldenGate = 6;
inline constexpr int kLeopard = 7;
inline constexpr int kOpenOnHover = 8;
inline constexpr int kShowVolume = 9;
inline constexpr int kShowNotifications = 10;
inline constexpr int kShowLyrics = 11;
inline constexpr int kStartWithWindows = 12;
inline constexpr int kAutoHideOff = 13;
inline constexpr int kAutoHide10 = 14;
inline constexpr int kAutoHide20 = 15;
inline constexpr int kAutoHideCustom = 16;
inline constexpr int kToggleIsland = 17;
inline constexpr int kQuickControls = 18;
inline constexpr int kQuickSearch = 19;
inline constexpr int kExit = 20;
}  // namespace tray_item

// Full: the tray icon's menu. Theme and AutoHide: the parts the Quick
// Controls panel's theme and auto-hide buttons show.
enum class TrayMenuVariant : int { Full = 0, Theme = 1, AutoHide = 2 };

struct TrayMenuEntry {
  enum class Kind { Item, Separator, Submenu };
  Kind kind = Kind::Item;
  int id = 0;  // items only
  std::wstring text;
  bool checked = false;
  std::vector<TrayMenuEntry> items;  // submenus only
};

// What the menu shows besides the settings file.
struct TrayMenuState {
  int auto_hide_seconds = 0;  // the island's current delay
  bool start_with_windows = false;
  bool toggle_hot_key_registered = false;
  std::optional<std::wstring> search_hot_key_name;  // while it is registered
};

std::vector<TrayMenuEntry> BuildTrayMenu(TrayMenuVariant variant, const Settings& settings, const TrayMenuState& state);

// The effects of a chosen item beyond the settings file.
class TrayActions {
 public:
  virtual ~TrayActions() = default;
  virtual void ApplySettings() = 0;
  virtual void OpenQuickSearch() = 0;
  virtual void OpenQuickControls() = 0;
  virtual void ToggleIsland() = 0;
  virtual void Exit() = 0;
  // The custom delay dialog; 0 when cancelled.
  virtual int AskAutoHideSeconds(int current_seconds) = 0;
  virtual bool SetStartWithWindows(bool on) = 0;
  virtual void ReportStartWithWindowsFailure() = 0;
};

// Carries out item `id` (0: the menu was dismissed) of a menu built from
// `state`.
void PerformTrayItem(int id, Settings& settings, const TrayMenuState& state, TrayActions& actions);

}  // namespace notch
