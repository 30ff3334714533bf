#pragma once
// The Search settings page of the panel: the Quick Search shortcut (two
// presets and a captured combination), the browser that opens web searches
// and links, and the fallback web search.
#include <functional>
#include <string>
#include <vector>

#include "panel/panel_ports.h"
#include "panel/search_ports.h"

namespace notch::quick {

inline constexpr wchar_t kCustomShortcutText[] = L"Custom shortcut";

// The next value of search_web_fallback: g -> yt -> ddg -> g; anything else
// counts as "g".
std::wstring NextWebFallback(std::wstring_view current);
// "YouTube", "DDG" or "Google".
std::wstring WebFallbackButtonText(std::wstring_view value);
// What the Custom button draws for its window text.
std::wstring CustomShortcutShownText(const std::wstring& text);
// Shift, Control, Alt, the Windows keys and their left/right codes.
bool IsModifierKey(int key);

class SearchSettingsPage {
 public:
  struct Hooks {
    std::function<void(const std::wstring&)> status;
    std::function<void(bool)> set_modal;  // the Open dialog keeps the panel open
  };
  SearchSettingsPage(PanelWindow& window, Hooks hooks);
  void Attach(SearchView* view, QuickSearchPorts* ports) {
    view_ = view;
    ports_ = ports;
  }
  bool attached() const { return view_ != nullptr && ports_ != nullptr; }

  void Reset();
  void Setup();
  // Buttons 116 and 132-136; true when the page handled `id`.
  bool Clicked(int id);
  // A selection change or double-click in the browser list applies the entry.
  void ListChosen();
  // The key filter while capturing: true when the key is taken. `key` is the
  // virtual-key code; the flags tell which modifiers are held.
  bool CaptureKey(int key, bool alt, bool ctrl, bool shift);
  // Whether a shortcut button is drawn as the current choice.
  bool ButtonSelected(int id) const;

  bool capturing() const { return capture_; }
  const std::vector<BrowserChoice>& browsers() const { return browsers_; }
  int active_browser() const { return active_; }

 private:
  void SetHotKey(int modifiers, int key);
  void RefreshCustomButton();
  void FillBrowsers();
  void UpdateUseButton();
  void Apply(const BrowserChoice& choice);

  PanelWindow& window_;
  Hooks hooks_;
  SearchView* view_ = nullptr;
  QuickSearchPorts* ports_ = nullptr;
  bool capture_ = false;
  std::vector<BrowserChoice> browsers_;
  int active_ = -1;
};

}  // namespace notch::quick
