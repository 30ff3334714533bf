// notch-inspect search [--index DIR] QUERY
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

#include "command.h"
#include "common/clock.h"
#include "common/text.h"
#include "search/search_engine.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect search [--index DIR] QUERY\n"
    "\n"
    "Prints the Quick Search result list for QUERY as Tembo Notch shows it while\n"
    "typing: one JSON array in display order (highest score first), each row an\n"
    "object with\n"
    "\n"
    "  kind       \"Web\", \"App\", \"File\", \"Folder\", \"Notch\" (the program's pages\n"
    "             and Windows settings), \"Calc\" or \"Link\"\n"
    "  title      main text\n"
    "  subtitle   second line\n"
    "  target     what is opened or copied\n"
    "  arguments  extra command-line arguments (usually empty)\n"
    "  score      the rank\n"
    "\n"
    "With --index, the file index is built from DIR as if DIR were the user's\n"
    "profile folder (walked 4 levels deep with the program's skip rules, paths\n"
    "written with backslashes, subtitles inside DIR starting with \"~\"). There is\n"
    "no app index natively. Web rows name the browser \"Default\" and the web\n"
    "fallback is Google, as with an empty settings file.\n";

// Natively there are no known folders: DIR stands in for the profile.
class FolderSources final : public quick::SearchSources {
 public:
  explicit FolderSources(std::wstring profile) { folders_.profile = std::move(profile); }
  const quick::FileSystem& Disk() const override { return quick::LocalDisk(); }
  quick::SearchFolders Folders() const override { return folders_; }
  std::vector<quick::AppPathEntry> AppPaths() const override { return {}; }
  std::vector<std::wstring> QueryWindowsSearch(const std::wstring&) const override { return {}; }

 private:
  quick::SearchFolders folders_;
};

// The program's form of a native folder path: backslashes, none at the end.
std::wstring ProgramPath(const std::string& native) {
  std::wstring path = Utf8ToWide(native);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  while (path.size() > 1 && path.back() == L'\\') path.pop_back();
  return path;
}

nlohmann::ordered_json Row(const quick::SearchResult& result) {
  nlohmann::ordered_json row;
  row["kind"] = WideToUtf8(quick::ResultKindLabel(result.kind));
  row["title"] = WideToUtf8(result.title);
  row["subtitle"] = WideToUtf8(result.subtitle);
  row["target"] = WideToUtf8(result.target);
  row["arguments"] = WideToUtf8(result.arguments);
  row["score"] = result.score;
  return row;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kSearchCommand;
const Command kSearchCommand{"search", "Quick Search results for a query", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  std::wstring profile;
  if (arguments.size() == 3 && arguments[0] == "--index") {
    std::error_code error;
    if (!std::filesystem::is_directory(arguments[1], error)) {
      err << "notch-inspect search: " << arguments[1] << " is not a folder\n";
      return 1;
    }
    profile = ProgramPath(arguments[1]);
  } else if (arguments.size() != 1) {
    return UsageError(kSearchCommand, err, "expected [--index DIR] QUERY");
  }
  FolderSources sources(profile);
  quick::SearchEngine engine(sources, SystemClock(), quick::RunInline);
  engine.EnsureIndexes();
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const quick::SearchResult& result : engine.BuildResults(Utf8ToWide(arguments.back()), L"Default", L"g")) {
    rows.push_back(Row(result));
  }
  out << rows.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
