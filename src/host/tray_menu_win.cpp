#include "host/tray_menu_win.h"

#include "host/auto_hide_dialog_win.h"
#include "host/host_links_win.h"
#include "host/host_window_win.h"
#include "host/hot_keys_win.h"
#include "host/start_with_windows_win.h"
#include "host/startup_win.h"

namespace notch {
namespace {

class WindowsTrayActions final : public TrayActions {
 public:
  explicit WindowsTrayActions(HWND owner) : owner_(owner) {}

  void ApplySettings() override { links::ApplyIslandSettings(); }
  void OpenQuickSearch() override { links::OpenQuickSearch(); }
  void OpenQuickControls() override { links::OpenQuickControls(); }
  void ToggleIsland() override { links::ToggleIsland(); }
  // Always the host window: closing it is what ends the program, whichever
  // window the menu was shown for.
  void Exit() override { PostMessageW(HostWindow().window, WM_CLOSE, 0, 0); }
  int AskAutoHideSeconds(int current_seconds) override { return AskCustomAutoHideDelay(owner_, current_seconds); }
  bool SetStartWithWindows(bool on) override { return notch::SetStartWithWindows(on); }
  void ReportStartWithWindowsFailure() override {
    MessageBoxW(owner_, L"Could not change the Windows startup setting.", L"Tembo Notch", MB_OK | MB_ICONERROR);
  }

 private:
  HWND owner_;
};

TrayMenuState CurrentTrayMenuState() {
  const HostWindowState& host = HostWindow();
  TrayMenuState state;
  state.auto_hide_seconds = links::IslandAutoHideSeconds();
  state.start_with_windows = StartWithWindowsEnabled();
  state.toggle_hot_key_registered = host.hot_keys.toggle_registered;
  state.search_hot_key_name = RegisteredSearchHotKeyName(host.hot_keys, WindowsHotKeyRegistrar(host.window));
  return state;
}

void AppendEntry(HMENU menu, const TrayMenuEntry& entry) {
  switch (entry.kind) {
    case TrayMenuEntry::Kind::Separator:
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      break;
    case TrayMenuEntry::Kind::Item:
      AppendMenuW(menu, MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED), static_cast<UINT_PTR>(entry.id),
                  entry.text.c_str());
      break;
    case TrayMenuEntry::Kind::Submenu:
      if (const HMENU submenu = CreateTrayPopupMenu(entry.items)) {
        if (!AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry.text.c_str())) {
          DestroyMenu(submenu);
        }
      }
      break;
  }
}

}  // namespace

HMENU CreateTrayPopupMenu(const std::vector<TrayMenuEntry>& entries) {
  const HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  for (const TrayMenuEntry& entry : entries) AppendEntry(menu, entry);
  return menu;
}

void ShowTrayMenu(HWND owner, TrayMenuVariant variant) { ShowTrayMenu(owner, variant, AppSettings()); }

void ShowTrayMenu(HWND owner, TrayMenuVariant variant, Settings& settings) {
  const TrayMenuState state = CurrentTrayMenuState();
  const HMENU menu = CreateTrayPopupMenu(BuildTrayMenu(variant, settings, state));
  if (menu == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without this the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  const int chosen =
      static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr));
  DestroyMenu(menu);
  PostMessageW(owner, WM_NULL, 0, 0);
  WindowsTrayActions actions(owner);
  PerformTrayItem(chosen, settings, state, actions);
}

}  // namespace notch
