#pragma once
// The Search page of the panel: the query and its debounced deep search, the
// merged result list, the list's size, the buttons and hints, the keys, and
// opening a result or a terminal.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "panel/panel_ports.h"
#include "panel/search_ports.h"
#include "panel/task_slot.h"

namespace notch::quick {

inline constexpr std::size_t kMaxSearchRows = 24;
inline constexpr std::uint64_t kDeepSearchDelayMs = 20;

// Rows are told apart by kind, target and arguments, ignoring case.
std::wstring ResultKey(const SearchResult& result);
// Where a terminal opens for a row: a folder itself, a file's parent; empty
// for every other kind.
std::wstring ResultFolder(const SearchResult& result);
// The instant rows plus every deep row whose key is new, ranked again and
// cut to kMaxSearchRows.
std::vector<SearchResult> MergeResults(std::vector<SearchResult> instant, const std::vector<SearchResult>& deep);
ListRow SearchListRow(const SearchResult& result);

// Visible rows for a result count: 1 to 5.
int SearchListRows(std::size_t count);
struct SearchPlacement {
  DipRect list, open, terminal, status;
  PanelSize panel;
};
SearchPlacement PlaceSearchPage(int rows);

class SearchPage {
 public:
  struct Hooks {
    std::function<bool(TaskBody)> start;
    std::function<void(PanelSize)> resize;
    std::function<bool(std::wstring_view)> open_notch_link;
    std::function<void(const std::wstring&)> status;
  };
  SearchPage(PanelWindow& window, PanelIsland& island, TaskSlot& slot, Hooks hooks);
  void Attach(SearchView* view, QuickSearchPorts* ports) {
    view_ = view;
    ports_ = ports;
  }
  bool attached() const { return view_ != nullptr && ports_ != nullptr; }

  // Page changes forget the query, the results and the pending deep search.
  void Reset();
  // After the page's controls exist.
  void Setup();
  // The search box's text changed.
  void TextChanged();
  // Tick's step: the deep search once typing has paused.
  void Tick();
  // The deep search's continuation.
  void DeepResults(const std::wstring& query, std::vector<SearchResult> results);
  void SelectionChanged() { UpdateButtons(); }
  // Up (-1) and Down (+1) in the search box.
  void MoveSelection(int step);
  void OpenSelected();
  void OpenTerminal();

  const std::wstring& query() const { return query_; }
  const std::vector<SearchResult>& results() const { return results_; }
  int rows() const { return rows_; }
  bool deep_pending() const { return changed_at_.has_value(); }

 private:
  void Fill(bool after_typing);
  void UpdateButtons();
  const SearchResult* Selected() const;

  PanelWindow& window_;
  PanelIsland& island_;
  TaskSlot& slot_;
  Hooks hooks_;
  SearchView* view_ = nullptr;
  QuickSearchPorts* ports_ = nullptr;

  std::wstring query_;
  std::optional<std::uint64_t> changed_at_;
  std::vector<SearchResult> results_;
  std::vector<SearchResult> deep_;
  std::optional<std::wstring> deep_query_;
  int rows_ = 5;
};

}  // namespace notch::quick
