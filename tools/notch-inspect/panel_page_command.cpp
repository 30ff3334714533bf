// notch-inspect panel-page PAGE [--settings FILE]
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "command.h"
#include "common/ini_file_store.h"
#include "common/text.h"
#include "host/language.h"
#include "host/settings.h"
#include "panel/button_layout.h"
#include "panel/panel_page.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect panel-page PAGE [--settings FILE]\n"
    "\n"
    "Builds one page of the Quick Controls panel as the panel sets it up at\n"
    "96 DPI, with the settings in FILE (read as `notch-inspect settings` reads\n"
    "it; without FILE every default), no media playing, no search results and\n"
    "no devices; the Home tiles and the CustomizeButtons chips follow FILE's\n"
    "button_layout. Texts are in the\n"
    "language of FILE's idioma key. PAGE is one of\n"
    "Home, WiFi, Bluetooth, Sound, Display, NotchSettings, Search,\n"
    "SearchSettings, CustomizeButtons. Prints one JSON object:\n"
    "\n"
    "  page       the page name\n"
    "  size       [W, H]: the panel's size in DIPs\n"
    "  controls   array of the child controls in creation order, each\n"
    "      {\"id\": ID, \"kind\": KIND, \"text\": TEXT, \"rect\": [X, Y, W, H]}\n"
    "      ID the control id (-1 for labels without one), KIND one of \"button\",\n"
    "      \"label\", \"edit\", \"list\", \"trackbar\", TEXT the window text and the\n"
    "      rectangle in DIPs\n";

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kPanelPageCommand;
const Command kPanelPageCommand{"panel-page", "the controls of one Quick Controls page", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return UsageError(kPanelPageCommand, err, "expected a PAGE");
  const std::optional<quick::Page> page = quick::PageFromName(arguments[0]);
  if (!page) return UsageError(kPanelPageCommand, err, "unknown page '" + arguments[0] + "'");
  std::optional<std::string> file;
  for (std::size_t at = 1; at < arguments.size(); ++at) {
    if (arguments[at] == "--settings" && at + 1 < arguments.size() && !file) {
      file = arguments[++at];
    } else {
      return UsageError(kPanelPageCommand, err, "unexpected argument '" + arguments[at] + "'");
    }
  }
  if (file && !SettingsFileUsable(kPanelPageCommand, *file, err)) return 1;
  // Without a file every key reads as its default (the path names no file).
  IniFileStore store{std::filesystem::path(file.value_or(std::string()))};
  const Settings settings(store);

  const int saved_language = LanguageFlag();
  SetLanguageFlag(LanguageFromSetting(settings.Read(setting::kLanguage)));
  quick::PageInputs in;
  in.style = settings.Style();
  in.theme = settings.CurrentTheme();
  in.lyrics_on = settings.LyricsOn();
  quick::UseLayout(in, quick::ParseLayout(settings.Read(setting::kButtonLayout, L"")));
  const quick::PageLayout layout = quick::BuildPage(*page, in);

  nlohmann::ordered_json json;
  json["page"] = std::string(quick::PageName(layout.page));
  json["size"] = {layout.size.w, layout.size.h};
  json["controls"] = nlohmann::ordered_json::array();
  for (const quick::PanelControl& c : layout.controls) {
    nlohmann::ordered_json control;
    control["id"] = c.id < 0 ? -1 : c.id;
    control["kind"] = std::string(quick::ControlKindName(c.kind));
    control["text"] = WideToUtf8(c.text);
    control["rect"] = {c.rect.x, c.rect.y, c.rect.w, c.rect.h};
    json["controls"].push_back(std::move(control));
  }
  SetLanguageFlag(saved_language);
  out << json.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
