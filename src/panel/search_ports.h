#pragma once
// What the Search and Search settings pages ask of the world: the list box,
// moving controls and the debounce timer of the panel window, and the Quick
// Search engine, launcher, hot key and settings behind them.
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/hot_keys.h"
#include "panel/panel_page.h"
#include "panel/panel_views.h"
#include "search/browsers.h"
#include "search/launch.h"
#include "search/search_result.h"

namespace notch::quick {

class SearchView {
 public:
  virtual ~SearchView() = default;
  // Replaces the list's rows with the list's redraw suspended meanwhile; no
  // row is selected afterwards.
  virtual void SetListRows(const std::vector<ListRow>& rows) = 0;
  virtual int SelectedRow() const = 0;  // -1 when none
  virtual void SelectListRow(int row) = 0;
  // Drawn centred in the list while it has no rows.
  virtual void SetListPlaceholder(const std::wstring& text) = 0;
  virtual void MoveControl(int id, const DipRect& rect) = 0;
  // The search debounce timer; its ticks run the panel's Tick.
  virtual void SetDebounceTimer(bool on) = 0;
  // The Open dialog for a program; nothing when cancelled.
  virtual std::optional<std::wstring> ChooseProgram() = 0;
};

class QuickSearchPorts {
 public:
  virtual ~QuickSearchPorts() = default;
  // Builds the indexes that are due; never waits.
  virtual void EnsureIndexes() = 0;
  // Instant results for the chosen browser and fallback web search.
  virtual std::vector<SearchResult> Instant(std::wstring_view query) = 0;
  // Runs on a worker thread; must not touch the panel.
  virtual std::vector<SearchResult> Deep(std::wstring_view query, const std::atomic<bool>& cancel) = 0;
  virtual LaunchOutcome Open(const SearchResult& result) = 0;
  virtual LaunchOutcome OpenTerminal(std::wstring_view path) = 0;
  // The chosen browser's name as web rows show it.
  virtual std::wstring BrowserLabel() = 0;

  virtual std::wstring Setting(std::wstring_view key) = 0;
  virtual void WriteSetting(std::wstring_view key, std::wstring_view value) = 0;
  // The browsers for the configured search_browser / search_browser_name,
  // the system default (empty path) first.
  virtual std::vector<BrowserChoice> Browsers() = 0;
  // A chosen program's display name.
  virtual std::wstring ProgramName(std::wstring_view path) = 0;

  virtual HotKeyCombination CurrentHotKey() = 0;
  virtual std::wstring HotKeyName(const HotKeyCombination& combination) = 0;
  // Registers and stores a new Quick Search shortcut.
  virtual SearchHotKeyResult SetHotKey(int modifiers, int key) = 0;
};

}  // namespace notch::quick
