// notch-inspect layout [VALUE]
#include <nlohmann/json.hpp>
#include <ostream>

#include "command.h"
#include "common/text.h"
#include "panel/button_layout.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect layout [VALUE]\n"
    "\n"
    "Prints what the program makes of VALUE as the value of the button_layout\n"
    "setting (an empty string, or no VALUE, for none), as one JSON object:\n"
    "\n"
    "  {\"header\": [KEY...], \"panel\": [KEY...], \"value\": SERIALISED,\n"
    "   \"is_default\": BOOL, \"home_height\": 164 or 204, \"tiles\": [TILE...]}\n"
    "\n"
    "  header       the buttons of the island's header row, as catalogue keys\n"
    "  panel        the buttons of the panel's Home page, as catalogue keys\n"
    "  value        the layout written back as the setting's value\n"
    "  is_default   whether the layout equals the default layout\n"
    "  home_height  the Home page's height in DIPs for its tile rows\n"
    "  tiles        the Home tiles in order, each\n"
    "      {\"key\": KEY, \"id\": ID, \"left\": L, \"top\": T, \"right\": R, \"bottom\": B}\n"
    "      with the tile's control id and its rectangle in DIPs\n"
    "\n"
    "VALUE is read as the header keys joined by \",\", one \"|\" and the panel\n"
    "keys joined by \",\". A value that is empty or has no \"|\" gives the default\n"
    "layout; unknown and repeated keys are skipped, header keys past the sixth\n"
    "move to the front of the panel and missing buttons are appended to it.\n";

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kLayoutCommand;
const Command kLayoutCommand{"layout", "how a button_layout value is read", kHelp, &Run};

namespace {

nlohmann::ordered_json Keys(const std::vector<int>& buttons) {
  nlohmann::ordered_json keys = nlohmann::ordered_json::array();
  for (const int button : buttons) {
    keys.push_back(WideToUtf8(quick::ButtonCatalogue()[static_cast<std::size_t>(button)].key));
  }
  return keys;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() > 1) return UsageError(kLayoutCommand, err, "expected one VALUE");
  const quick::Layout layout = quick::ParseLayout(arguments.empty() ? std::wstring() : Utf8ToWide(arguments[0]));
  nlohmann::ordered_json json;
  json["header"] = Keys(layout.header);
  json["panel"] = Keys(layout.panel);
  json["value"] = WideToUtf8(quick::SerializeLayout(layout));
  json["is_default"] = quick::IsDefaultLayout(layout);
  json["home_height"] = quick::HomePageHeight(layout.panel);
  json["tiles"] = nlohmann::ordered_json::array();
  for (const quick::HomeTileRect& tile : quick::HomeTileGrid(layout.panel)) {
    nlohmann::ordered_json entry;
    entry["key"] = WideToUtf8(quick::ButtonCatalogue()[static_cast<std::size_t>(tile.button)].key);
    entry["id"] = tile.id;
    entry["left"] = tile.left;
    entry["top"] = tile.top;
    entry["right"] = tile.right;
    entry["bottom"] = tile.bottom;
    json["tiles"].push_back(std::move(entry));
  }
  out << json.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
