#include "panel/search_ports_win.h"

#include "host/host_window_win.h"
#include "host/hot_keys_win.h"
#include "host/settings.h"
#include "host/startup_win.h"
#include "search/quick_search_win.h"

namespace notch::quick {
namespace {

class ProgramPorts final : public QuickSearchPorts {
 public:
  void EnsureIndexes() override { Engine().EnsureIndexes(); }
  std::vector<SearchResult> Instant(std::wstring_view query) override {
    // The page keeps the rows, so they are copied out of the engine's.
    const std::span<const SearchResult> rows =
        Engine().BuildResults(query, BrowserLabel(), AppSettings().Read(setting::kSearchWebFallback));
    return {rows.begin(), rows.end()};
  }
  std::vector<SearchResult> Deep(std::wstring_view query, const std::atomic<bool>& cancel) override {
    return Engine().DeepFileSearch(query, cancel);
  }
  LaunchOutcome Open(const SearchResult& result) override {
    return OpenResult(result, AppSettings().Read(setting::kSearchBrowser), Launcher());
  }
  LaunchOutcome OpenTerminal(std::wstring_view path) override { return OpenTerminalHere(path, Launcher()); }
  std::wstring BrowserLabel() override {
    return quick::BrowserLabel(AppSettings().Read(setting::kSearchBrowser),
                               AppSettings().Read(setting::kSearchBrowserName), Launcher());
  }
  std::wstring Setting(std::wstring_view key) override { return AppSettings().Read(key); }
  void WriteSetting(std::wstring_view key, std::wstring_view value) override { AppSettings().Write(key, value); }
  std::vector<BrowserChoice> Browsers() override {
    return ListBrowsers(AppSettings().Read(setting::kSearchBrowser), AppSettings().Read(setting::kSearchBrowserName),
                        Launcher());
  }
  std::wstring ProgramName(std::wstring_view path) override { return quick::BrowserLabel(path, L"", Launcher()); }
  HotKeyCombination CurrentHotKey() override {
    const HotKeyState& keys = HostWindow().hot_keys;
    return {keys.search_modifiers, keys.search_key};
  }
  std::wstring HotKeyName(const HotKeyCombination& combination) override {
    return HotKeyDisplayName(combination.modifiers, combination.key);
  }
  SearchHotKeyResult SetHotKey(int modifiers, int key) override { return SetSearchHotKey(modifiers, key); }
};

}  // namespace

QuickSearchPorts& ProgramSearchPorts() {
  static ProgramPorts* ports = new ProgramPorts;  // never destroyed, like the engine
  return *ports;
}

}  // namespace notch::quick
