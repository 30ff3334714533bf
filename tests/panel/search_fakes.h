#pragma once
// Fakes of the Search pages' ports: a list box kept as data and an engine,
// launcher, settings store and hot key that answer what the test scripts.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "panel/search_ports.h"
#include "panel_fakes.h"

namespace notch::quick::testing {

class FakeSearchView final : public SearchView {
 public:
  std::vector<ListRow> rows;
  int selection = -1;
  int fills = 0;
  std::wstring placeholder;
  std::map<int, DipRect> moved;
  bool debounce = false;
  std::optional<std::wstring> chosen_program;
  std::function<void()> during_dialog;

  void SetListRows(const std::vector<ListRow>& r) override {
    rows = r;
    selection = -1;
    ++fills;
  }
  int SelectedRow() const override { return selection; }
  void SelectListRow(int row) override { selection = row >= 0 && row < static_cast<int>(rows.size()) ? row : -1; }
  void SetListPlaceholder(const std::wstring& text) override { placeholder = text; }
  void MoveControl(int id, const DipRect& rect) override { moved[id] = rect; }
  void SetDebounceTimer(bool on) override { debounce = on; }
  std::optional<std::wstring> ChooseProgram() override {
    if (during_dialog) during_dialog();
    return chosen_program;
  }
};

class FakeSearchPorts final : public QuickSearchPorts {
 public:
  std::function<std::vector<SearchResult>(std::wstring_view)> instant = [](std::wstring_view) {
    return std::vector<SearchResult>{};
  };
  std::vector<SearchResult> deep;
  std::vector<std::wstring> deep_queries;
  int ensure_calls = 0, instant_calls = 0;
  std::vector<SearchResult> opened;
  LaunchOutcome open_outcome{true, L""};
  std::vector<std::wstring> terminals;
  LaunchOutcome terminal_outcome{true, L""};
  std::map<std::wstring, std::wstring, std::less<>> settings;
  std::vector<std::pair<std::wstring, std::wstring>> writes;
  std::vector<BrowserChoice> browsers = {{L"System default", L""},
                                         {L"Firefox", L"C:\\Program Files\\Mozilla Firefox\\firefox.exe"},
                                         {L"Microsoft Edge", L"C:\\Program Files\\Microsoft\\Edge\\msedge.exe"}};
  HotKeyCombination hot_key{kModAlt | kModControl, kVkSpace};
  std::vector<HotKeyCombination> registered;

  void EnsureIndexes() override { ++ensure_calls; }
  std::vector<SearchResult> Instant(std::wstring_view query) override {
    ++instant_calls;
    return instant(query);
  }
  std::vector<SearchResult> Deep(std::wstring_view query, const std::atomic<bool>&) override {
    deep_queries.emplace_back(query);
    return deep;
  }
  LaunchOutcome Open(const SearchResult& result) override {
    opened.push_back(result);
    return open_outcome;
  }
  LaunchOutcome OpenTerminal(std::wstring_view path) override {
    terminals.emplace_back(path);
    return terminal_outcome;
  }
  std::wstring BrowserLabel() override { return L"Firefox"; }
  std::wstring Setting(std::wstring_view key) override {
    const auto found = settings.find(key);
    if (found != settings.end()) return found->second;
    return key == setting::kSearchWebFallback ? L"g" : L"";
  }
  void WriteSetting(std::wstring_view key, std::wstring_view value) override {
    settings[std::wstring(key)] = std::wstring(value);
    writes.emplace_back(key, value);
  }
  std::vector<BrowserChoice> Browsers() override { return browsers; }
  std::wstring ProgramName(std::wstring_view path) override {
    return L"Name of " + std::wstring(path.substr(path.find_last_of(L'\\') + 1));
  }
  HotKeyCombination CurrentHotKey() override { return hot_key; }
  std::wstring HotKeyName(const HotKeyCombination& c) override {
    std::wstring name;
    if (c.modifiers & kModControl) name += L"Ctrl+";
    if (c.modifiers & kModAlt) name += L"Alt+";
    if (c.modifiers & kModShift) name += L"Shift+";
    return name + (c.key == kVkSpace ? std::wstring(L"Space") : std::wstring(1, static_cast<wchar_t>(c.key)));
  }
  SearchHotKeyResult SetHotKey(int modifiers, int key) override {
    hot_key = {modifiers, key};
    registered.push_back(hot_key);
    return {true, L"Quick Search shortcut: " + HotKeyName(hot_key)};
  }
};

// A panel with the search ports attached.
struct SearchRig : PanelRig {
  FakeSearchView view;
  FakeSearchPorts ports;
  SearchRig() { panel.AttachSearch(view, ports); }
};

inline SearchResult Row(ResultKind kind, std::wstring title, std::wstring target, std::int32_t score) {
  SearchResult r;
  r.kind = kind;
  r.title = std::move(title);
  r.subtitle = L"~\\Documents";
  r.target = std::move(target);
  r.score = score;
  return r;
}

}  // namespace notch::quick::testing
