#include "panel/search_page.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "host/translate.h"
#include "panel/quick_panel.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

bool LongEnoughForDeepSearch(std::wstring_view query) { return CodePointCount(query) >= 2; }

const wchar_t kSeparator[] = L"  \u00B7  ";

}  // namespace

std::wstring ResultKey(const SearchResult& result) {
  std::wstring key = ToLower(result.target);
  key += L'\n';
  key += result.arguments;
  return key;
}

std::wstring ResultFolder(const SearchResult& result) {
  if (result.kind == ResultKind::Folder) return result.target;
  if (result.kind != ResultKind::File) return {};
  const std::size_t slash = result.target.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  // "C:\file" lives in "C:\", not in "C:".
  if (slash == 2 && result.target[1] == L':') return result.target.substr(0, 3);
  return result.target.substr(0, slash);
}

std::vector<SearchResult> MergeResults(std::vector<SearchResult> instant, const std::vector<SearchResult>& deep) {
  if (!deep.empty()) {
    std::unordered_set<std::wstring> keys;
    for (const SearchResult& result : instant) keys.insert(ResultKey(result));
    const std::size_t instant_count = instant.size();
    for (const SearchResult& result : deep) {
      if (keys.insert(ResultKey(result)).second) instant.push_back(result);
    }
    if (instant.size() != instant_count) RankResults(instant);
  }
  if (instant.size() > kMaxSearchRows) instant.resize(kMaxSearchRows);
  return instant;
}

ListRow SearchListRow(const SearchResult& result) {
  ListRow row;
  row.item_text = result.title + kSeparator + result.subtitle;
  row.title = result.title;
  row.detail = result.subtitle;
  row.right = std::wstring(ResultKindLabel(result.kind));
  row.glyph = static_cast<wchar_t>(result.icon);
  return row;
}

int SearchListRows(std::size_t count) { return static_cast<int>(std::clamp<std::size_t>(count, 1, 5)); }

SearchPlacement PlaceSearchPage(int rows) {
  const int h = 36 * rows;
  SearchPlacement place;
  place.list = {20, 113, 388, h};
  place.open = {16, h + 126, 84, 30};
  place.terminal = {106, h + 126, 104, 30};
  place.status = {16, h + 163, 396, 16};
  place.panel = {428, h + 188};
  return place;
}

SearchPage::SearchPage(PanelWindow& window, PanelIsland& island, TaskSlot& slot, Hooks hooks)
    : window_(window), island_(island), slot_(slot), hooks_(std::move(hooks)) {}

void SearchPage::Reset() {
  query_.clear();
  changed_at_.reset();
  results_.clear();
  deep_.clear();
  deep_query_.reset();
  rows_ = 5;
  if (view_ != nullptr) view_->SetDebounceTimer(false);
}

void SearchPage::Setup() {
  if (!attached()) return;
  ports_->EnsureIndexes();
  window_.SetText(control::kSubtitle, L"Apps, files, and the web");
  window_.SetText(control::kDefaultBrowser, ports_->BrowserLabel());
  Fill(false);
}

void SearchPage::TextChanged() {
  if (!attached()) return;
  std::wstring text = window_.Text(control::kSearchEdit);
  if (text == query_) return;
  query_ = std::move(text);
  changed_at_ = window_.clock().TickMs();
  slot_.Cancel();  // a deep search for the older query stops and is dropped
  if (LongEnoughForDeepSearch(query_)) {
    view_->SetDebounceTimer(true);
  } else {
    deep_.clear();
    deep_query_.reset();
    view_->SetDebounceTimer(false);
  }
  Fill(true);
  island_.ActivityPing();
}

void SearchPage::Tick() {
  if (!attached() || !changed_at_) return;
  if (window_.clock().TickMs() - *changed_at_ < kDeepSearchDelayMs || !slot_.Idle()) return;
  changed_at_.reset();
  view_->SetDebounceTimer(false);
  if (!LongEnoughForDeepSearch(query_)) {
    deep_.clear();
    deep_query_.reset();
    return;
  }
  QuickSearchPorts* ports = ports_;
  hooks_.start(TaskBody([ports, query = query_](const std::atomic<bool>& cancelled) {
    std::vector<SearchResult> found = ports->Deep(query, cancelled);
    return Continuation([query, found = std::move(found)](QuickPanel& panel) {
      if (panel.page() == Page::Search) panel.search().DeepResults(query, found);
    });
  }));
}

void SearchPage::DeepResults(const std::wstring& query, std::vector<SearchResult> results) {
  if (!attached() || query != query_) return;  // typed on meanwhile
  deep_ = std::move(results);
  deep_query_ = query;
  Fill(false);
}

void SearchPage::Fill(bool after_typing) {
  std::optional<std::wstring> remembered;
  if (!after_typing) {
    if (const SearchResult* selected = Selected()) remembered = ResultKey(*selected);
  }
  const bool with_deep = deep_query_ && *deep_query_ == query_;
  results_ = MergeResults(ports_->Instant(query_), with_deep ? deep_ : std::vector<SearchResult>{});

  std::vector<ListRow> rows;
  rows.reserve(results_.size());
  int select = results_.empty() ? -1 : 0;
  for (std::size_t i = 0; i < results_.size(); ++i) {
    rows.push_back(SearchListRow(results_[i]));
    if (remembered && ResultKey(results_[i]) == *remembered) {
      select = static_cast<int>(i);
      remembered.reset();
    }
  }
  view_->SetListRows(rows);
  view_->SetListPlaceholder(query_.empty() ? L"Type to search apps, files, or web shortcuts\u2026"
                                           : L"No matching apps, files, or settings.");
  view_->SelectListRow(select);

  rows_ = SearchListRows(results_.size());
  const SearchPlacement place = PlaceSearchPage(rows_);
  view_->MoveControl(control::kList, place.list);
  view_->MoveControl(control::kAct, place.open);
  view_->MoveControl(control::kTerminal, place.terminal);
  view_->MoveControl(control::kStatus, place.status);
  if (hooks_.resize) hooks_.resize(place.panel);
  UpdateButtons();
}

const SearchResult* SearchPage::Selected() const {
  if (view_ == nullptr) return nullptr;
  const int row = view_->SelectedRow();
  return row >= 0 && static_cast<std::size_t>(row) < results_.size() ? &results_[static_cast<std::size_t>(row)]
                                                                     : nullptr;
}

void SearchPage::UpdateButtons() {
  if (!attached()) return;
  const SearchResult* selected = Selected();
  const bool calc = selected != nullptr && selected->kind == ResultKind::Calc;
  window_.SetText(control::kAct, calc ? Translate(L"Copiar") : Translate(L"Abrir"));
  window_.Enable(control::kAct, selected != nullptr && slot_.Idle());
  const bool has_folder = selected != nullptr && !ResultFolder(*selected).empty();
  window_.Enable(control::kTerminal, has_folder);
  std::wstring status;
  if (has_folder) {
    status = L"Enter to open  \u00B7  Ctrl+T for Terminal";
  } else if (selected != nullptr) {
    status = calc ? L"Enter to copy the result" : L"Enter to open the selected result";
  } else {
    status = L"Try a file name, \u201Ctopic yt\u201D, or \u201C2+2\u201D.";
  }
  hooks_.status(status);
}

void SearchPage::MoveSelection(int step) {
  if (!attached() || results_.empty()) return;
  const int last = static_cast<int>(results_.size()) - 1;
  const int current = view_->SelectedRow();
  const int next = current < 0 ? 0 : std::clamp(current + step, 0, last);
  view_->SelectListRow(next);
  SelectionChanged();
}

void SearchPage::OpenSelected() {
  if (!attached()) return;
  const SearchResult* selected = Selected();
  if (selected == nullptr) return;
  const SearchResult result = *selected;  // a notch: link sets up another page
  if (hooks_.open_notch_link(result.target)) return;
  const LaunchOutcome outcome = ports_->Open(result);
  if (!outcome.ok) {
    hooks_.status(outcome.message.empty() ? L"Could not open the selected item." : outcome.message);
  } else if (result.kind == ResultKind::Calc) {
    hooks_.status(L"Copied " + result.target + L" to clipboard.");
  } else {
    island_.Collapse();
  }
}

void SearchPage::OpenTerminal() {
  if (!attached()) return;
  const SearchResult* selected = Selected();
  if (selected == nullptr || ResultFolder(*selected).empty()) {
    hooks_.status(L"Select a folder or file for Terminal.");
    return;
  }
  const LaunchOutcome outcome = ports_->OpenTerminal(selected->target);
  if (outcome.ok) {
    island_.Collapse();
  } else {
    hooks_.status(outcome.message);
  }
}

}  // namespace notch::quick
