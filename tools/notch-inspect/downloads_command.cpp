// notch-inspect downloads FOLDER CHANGE...
#include <array>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "activities/download_watch.h"
#include "command.h"
#include "common/text.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect downloads FOLDER CHANGE...\n"
    "\n"
    "Prints what the downloads watcher makes of one batch of changes in FOLDER\n"
    "(a Windows path). Each CHANGE is ACTION:NAME, with ACTION one of added,\n"
    "removed, modified, renamed-from and renamed-to, and NAME relative to the\n"
    "folder.\n"
    "\n"
    "Output: a JSON object:\n"
    "\n"
    "  changes   one object per CHANGE: action, name, and ignored (true when\n"
    "            the name is a partial, temporary, hidden or subfolder name)\n"
    "  check     the full paths checked half a second later, in order, each\n"
    "            once; a check reports a path that is then a non-empty file\n";

constexpr std::array<std::string_view, 5> kActions = {"added", "removed", "modified", "renamed-from", "renamed-to"};

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kDownloadsCommand;
const Command kDownloadsCommand{"downloads", "which folder changes the downloads watcher checks", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return UsageError(kDownloadsCommand, err, "expected FOLDER and changes");
  std::vector<FolderChange> changes;
  nlohmann::ordered_json listed = nlohmann::ordered_json::array();
  for (const std::string& argument : arguments.subspan(1)) {
    const std::size_t colon = argument.find(':');
    std::uint32_t action = 0;
    for (std::size_t i = 0; colon != std::string::npos && i < kActions.size(); ++i) {
      if (std::string_view(argument).substr(0, colon) == kActions[i]) action = static_cast<std::uint32_t>(i + 1);
    }
    if (action == 0) return UsageError(kDownloadsCommand, err, "a change must be ACTION:NAME: " + argument);
    const std::wstring name = Utf8ToWide(argument.substr(colon + 1));
    changes.push_back({action, name});
    listed.push_back(
        {{"action", kActions[action - 1]}, {"name", WideToUtf8(name)}, {"ignored", IsIgnoredDownloadName(name)}});
  }
  nlohmann::ordered_json check = nlohmann::ordered_json::array();
  for (const std::wstring& path : DownloadsToCheck(Utf8ToWide(arguments[0]), changes))
    check.push_back(WideToUtf8(path));
  out << nlohmann::ordered_json{{"changes", listed}, {"check", check}}.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
