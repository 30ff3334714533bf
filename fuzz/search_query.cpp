// Queries typed into Quick Search, over a small file index: every reading of
// the text (shortcut, link, path, calculation, names) must hold up, and the
// list must come out ranked.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/clock.h"
#include "common/text.h"
#include "search/search_engine.h"

namespace {

using namespace notch::quick;

constexpr wchar_t kHome[] = L"C:\\Users\\fuzz";

// One folder of a few files, found by path as Windows would.
class SmallDisk final : public FileSystem {
 public:
  bool List(std::wstring_view folder, std::vector<DirectoryEntry>& entries) const override {
    if (folder != kHome) return false;
    for (const wchar_t* name : {L"Report 2024.pdf", L"Relatório.docx", L"notes", L".github", L"a.b.c", L"x y z.txt"}) {
      entries.push_back({name, std::wstring_view(name) == L".github", std::wstring_view(name) != L".github", false});
    }
    return true;
  }
  std::optional<PathKind> Probe(std::wstring_view path) const override {
    if (path == L"C:\\" || path == kHome) return PathKind::Folder;
    if (path.starts_with(std::wstring(kHome) + L"\\")) return PathKind::File;
    return std::nullopt;
  }
};

class SmallSources final : public SearchSources {
 public:
  const FileSystem& Disk() const override { return disk_; }
  SearchFolders Folders() const override {
    SearchFolders folders;
    folders.profile = kHome;
    folders.desktop = kHome;
    return folders;
  }
  std::vector<AppPathEntry> AppPaths() const override { return {{L"report.exe", std::wstring(kHome) + L"\\notes"}}; }
  std::vector<std::wstring> QueryWindowsSearch(const std::wstring&) const override {
    return {std::wstring(kHome) + L"\\x y z.txt", L""};
  }

 private:
  SmallDisk disk_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const SmallSources sources;
  static const notch::ManualClock clock;
  static SearchEngine engine(sources, clock, RunInline);
  const std::wstring query = notch::Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::span<const SearchResult> rows = engine.BuildResults(query, L"Browser", L"g");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (rows[i - 1].score < rows[i].score) std::abort();
  }
  const std::atomic<bool> cancel{false};
  if (engine.DeepFileSearch(query, cancel).size() > kMaxDeepRows) std::abort();
  return 0;
}
