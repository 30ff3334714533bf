// notch-inspect settings FILE
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

#include "command.h"
#include "common/ini_file_store.h"
#include "common/text.h"
#include "host/language.h"
#include "host/settings.h"
#include "render/accent_colour.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect settings FILE\n"
    "\n"
    "Reads FILE as Tembo Notch reads settings.ini (section \"Notch\"; section and\n"
    "key names case-insensitive, blanks around values trimmed, surrounding quotes\n"
    "removed, values cut to 511 characters; a missing file gives every default)\n"
    "and prints one JSON object with the effective value of every key:\n"
    "\n"
    "  ilha, ilha_notificacoes, ilha_volume, ilha_passar, lyrics   booleans\n"
    "      (lyrics: whether lyrics are on, i.e. the value is not exactly \"0\")\n"
    "  ilha_estilo          number: 0 Notch, 1 Pill, 2 Activity only\n"
    "  auto_hide_seconds    number: 0 (off) to 3600\n"
    "  liquid_glass, golden_gate, leopard   booleans, as the theme query counts\n"
    "      them (golden_gate only with liquid_glass, leopard only without it)\n"
    "  destaque             text: the accent name in effect (unknown names: \"azul\")\n"
    "  idioma, search_hotkey_mod, search_hotkey_vk, search_browser,\n"
    "  search_browser_name, search_web_fallback, button_layout,\n"
    "  lyrics_contact_email, genius_proxy   text, as read (with the key's default;\n"
    "      genius_proxy names the host of the user's own Genius lyrics proxy,\n"
    "      and without one the lyrics search never asks Genius)\n"
    "  lyrics_checked       boolean: the tray item shows checked (exactly \"1\")\n"
    "  theme                number: 0 Sequoia, 1 Tahoe, 2 Golden Gate, 3 Leopard\n"
    "  language             \"pt\" or \"en\"\n";

std::string Text(const Settings& settings, const wchar_t* key) { return WideToUtf8(settings.Read(key)); }

nlohmann::ordered_json Report(const Settings& settings) {
  const ThemeFlags theme = settings.ReadThemeFlags();
  nlohmann::ordered_json json;
  json["ilha"] = settings.IslandEnabled();
  json["ilha_estilo"] = static_cast<int>(settings.Style());
  json["ilha_notificacoes"] = settings.NotificationsEnabled();
  json["ilha_volume"] = settings.VolumeHudEnabled();
  json["ilha_passar"] = settings.HoverOpen();
  json["auto_hide_seconds"] = settings.AutoHideSeconds();
  json["lyrics"] = settings.LyricsOn();
  json["liquid_glass"] = theme.glass;
  json["golden_gate"] = theme.golden;
  json["leopard"] = theme.classic;
  json["destaque"] = WideToUtf8(EffectiveAccentName(settings.Read(setting::kAccent)));
  for (const wchar_t* key : {setting::kLanguage, setting::kSearchHotKeyModifiers, setting::kSearchHotKeyKey,
                             setting::kSearchBrowser, setting::kSearchBrowserName, setting::kSearchWebFallback,
                             setting::kButtonLayout, setting::kLyricsContactEmail, setting::kGeniusProxy}) {
    json[WideToUtf8(key)] = Text(settings, key);
  }
  json["lyrics_checked"] = settings.LyricsChecked();
  json["theme"] = static_cast<int>(ThemeFromFlags(theme));
  json["language"] = LanguageFromSetting(settings.Read(setting::kLanguage)) == kPortuguese ? "pt" : "en";
  return json;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kSettingsCommand;
const Command kSettingsCommand{"settings", "effective value of every settings.ini key", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() != 1) return UsageError(kSettingsCommand, err, "expected exactly one FILE");
  if (!SettingsFileUsable(kSettingsCommand, arguments[0], err)) return 1;
  IniFileStore store{std::filesystem::path(arguments[0])};
  const Settings settings(store);
  out << Report(settings).dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
