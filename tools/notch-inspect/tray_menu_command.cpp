// notch-inspect tray-menu FILE [OPTIONS]
#include <charconv>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "command.h"
#include "common/debug_log.h"
#include "common/ini_file_store.h"
#include "common/text.h"
#include "host/hot_keys.h"
#include "host/settings.h"
#include "host/tray_menu.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect tray-menu FILE [--variant full|theme|auto-hide]\n"
    "                               [--start-with-windows] [--taken MODIFIERS,KEY]...\n"
    "\n"
    "Registers the hot keys as start-up does with the settings in FILE (read as\n"
    "`notch-inspect settings` reads it), on a system where every combination is\n"
    "free except those given with --taken (decimal RegisterHotKey modifier bits\n"
    "and virtual-key code, e.g. --taken 1,32 for Alt+Space), then builds the tray\n"
    "menu for the island's auto-hide delay from FILE. --start-with-windows shows\n"
    "the Run value as set. Prints one JSON object:\n"
    "\n"
    "  hot_keys.toggle_registered   boolean: Ctrl+Alt+N is registered\n"
    "  hot_keys.search              {registered, id, modifiers, key, name}: the\n"
    "      Quick Search key (name as the menu and messages show it; keys the\n"
    "      keyboard layout would name appear as \"Key 0xNN\" here)\n"
    "  log                          array of the debug-log lines start-up wrote\n"
    "  menu                         array of entries in display order, each one of\n"
    "      {\"id\": N, \"text\": T, \"checked\": B}   an item (T may hold a tab\n"
    "                                          before its shortcut)\n"
    "      {\"separator\": true}\n"
    "      {\"text\": T, \"items\": [...]}          a submenu\n";

constexpr unsigned long kErrorHotKeyAlreadyRegistered = 1409;

// Every combination is free except the taken ones and those already held.
class SimulatedRegistrar final : public HotKeyRegistrar {
 public:
  explicit SimulatedRegistrar(std::set<std::pair<int, int>> taken) : taken_(std::move(taken)) {}

  bool HasWindow() const override { return true; }
  bool Register(int, int modifiers, int key) override {
    const std::pair combination{modifiers & ~kModNoRepeat, key};
    return taken_.insert(combination).second;
  }
  void Unregister(int) override {}
  unsigned long LastError() const override { return kErrorHotKeyAlreadyRegistered; }
  std::wstring KeyName(int) const override { return {}; }

 private:
  std::set<std::pair<int, int>> taken_;
};

std::vector<std::wstring>* g_log = nullptr;
void CollectLine(std::wstring_view line) { g_log->emplace_back(line); }

nlohmann::ordered_json EntriesJson(const std::vector<TrayMenuEntry>& entries) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const TrayMenuEntry& entry : entries) {
    nlohmann::ordered_json json;
    switch (entry.kind) {
      case TrayMenuEntry::Kind::Separator:
        json["separator"] = true;
        break;
      case TrayMenuEntry::Kind::Submenu:
        json["text"] = WideToUtf8(entry.text);
        json["items"] = EntriesJson(entry.items);
        break;
      case TrayMenuEntry::Kind::Item:
        json["id"] = entry.id;
        json["text"] = WideToUtf8(entry.text);
        json["checked"] = entry.checked;
        break;
    }
    list.push_back(std::move(json));
  }
  return list;
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::pair<int, int>> ParseCombination(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto modifiers = ParseInt(std::string_view(text).substr(0, comma));
  const auto key = ParseInt(std::string_view(text).substr(comma + 1));
  if (!modifiers || !key) return std::nullopt;
  return std::pair{*modifiers, *key};
}

std::optional<TrayMenuVariant> ParseVariant(const std::string& text) {
  if (text == "full") return TrayMenuVariant::Full;
  if (text == "theme") return TrayMenuVariant::Theme;
  if (text == "auto-hide") return TrayMenuVariant::AutoHide;
  return std::nullopt;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kTrayMenuCommand;
const Command kTrayMenuCommand{"tray-menu", "hot keys after start-up and the tray menu they show", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return UsageError(kTrayMenuCommand, err, "expected a FILE");
  TrayMenuVariant variant = TrayMenuVariant::Full;
  TrayMenuState state;
  std::set<std::pair<int, int>> taken;
  for (std::size_t at = 1; at < arguments.size(); ++at) {
    const std::string& option = arguments[at];
    const bool has_value = at + 1 < arguments.size();
    if (option == "--start-with-windows") {
      state.start_with_windows = true;
    } else if (option == "--variant" && has_value) {
      const auto parsed = ParseVariant(arguments[++at]);
      if (!parsed) return UsageError(kTrayMenuCommand, err, "unknown variant '" + arguments[at] + "'");
      variant = *parsed;
    } else if (option == "--taken" && has_value) {
      const auto parsed = ParseCombination(arguments[++at]);
      if (!parsed) return UsageError(kTrayMenuCommand, err, "expected MODIFIERS,KEY after --taken");
      taken.insert(*parsed);
    } else {
      return UsageError(kTrayMenuCommand, err, "unexpected argument '" + option + "'");
    }
  }
  if (!SettingsFileUsable(kTrayMenuCommand, arguments[0], err)) return 1;
  IniFileStore store{std::filesystem::path(arguments[0])};
  const Settings settings(store);

  std::vector<std::wstring> log;
  g_log = &log;
  const DebugLogSink previous = SetDebugLogSink(&CollectLine);
  SimulatedRegistrar registrar(std::move(taken));
  HotKeyState hot_keys;
  RegisterHotKeysAtStartup(hot_keys, settings, registrar);
  SetDebugLogSink(previous);
  g_log = nullptr;

  state.auto_hide_seconds = settings.AutoHideSeconds();
  state.toggle_hot_key_registered = hot_keys.toggle_registered;
  state.search_hot_key_name = RegisteredSearchHotKeyName(hot_keys, registrar);

  nlohmann::ordered_json json;
  json["hot_keys"]["toggle_registered"] = hot_keys.toggle_registered;
  auto& search = json["hot_keys"]["search"];
  search["registered"] = hot_keys.search_registered;
  search["id"] = hot_keys.search_id;
  search["modifiers"] = hot_keys.search_modifiers;
  search["key"] = hot_keys.search_key;
  search["name"] = WideToUtf8(HotKeyDisplayName(hot_keys.search_modifiers, hot_keys.search_key, registrar));
  json["log"] = nlohmann::ordered_json::array();
  for (const std::wstring& line : log) json["log"].push_back(WideToUtf8(line));
  json["menu"] = EntriesJson(BuildTrayMenu(variant, settings, state));
  out << json.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
