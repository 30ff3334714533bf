// The instant Quick Search list per keystroke, over a full file index
// (18,000 entries) and a few hundred apps, against one plain scan of the
// same index.
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <string>

#include "baseline_ratio.h"
#include "common/clock.h"
#include "common/text.h"
#include "search/search_engine.h"
#include "search/search_text.h"

namespace {

using namespace notch::quick;

constexpr wchar_t kProfile[] = L"C:\\Users\\bench";
constexpr wchar_t kStartMenu[] = L"C:\\ProgramData\\Start Menu";
constexpr std::array<const wchar_t*, 16> kWords = {
    L"report",    L"invoice", L"photo",  L"notes",  L"project", L"budget", L"draft",    L"summary",
    L"Relatório", L"meeting", L"design", L"backup", L"résumé",  L"plan",   L"contract", L"screenshot"};
constexpr std::array<const wchar_t*, 6> kExtensions = {L".pdf", L".docx", L".jpg", L".txt", L".xlsx", L".png"};
constexpr std::array<const wchar_t*, 10> kAppWords = {L"Visual", L"Studio", L"Code",  L"Spotify",  L"Discord",
                                                      L"Steam",  L"Office", L"Paint", L"Terminal", L"Zoom"};

// A synthetic profile: 30 folders of 30 folders of 20 files, more than the
// index takes, and a Start menu of 300 shortcuts.
class SyntheticDisk final : public FileSystem {
 public:
  SyntheticDisk() {
    for (int a = 0; a < 30; ++a) {
      const std::wstring top = std::wstring(kProfile) + L"\\Folder " + std::to_wstring(a);
      Add(kProfile, top, true);
      for (int b = 0; b < 30; ++b) {
        const std::wstring sub =
            top + L"\\" + kWords[static_cast<std::size_t>(a + b) % kWords.size()] + L" " + std::to_wstring(b);
        Add(top, sub, true);
        for (int c = 0; c < 20; ++c) {
          const std::size_t n = static_cast<std::size_t>(a * 600 + b * 20 + c);
          Add(sub,
              sub + L"\\" + kWords[n % kWords.size()] + L" " + kWords[(n / 7) % kWords.size()] + L" " +
                  std::to_wstring(2000 + n % 25) + kExtensions[n % kExtensions.size()],
              false);
        }
      }
    }
    for (int i = 0; i < 300; ++i) {
      const std::wstring name = std::wstring(kAppWords[static_cast<std::size_t>(i) % kAppWords.size()]) + L" " +
                                kAppWords[static_cast<std::size_t>(i / 10) % kAppWords.size()] + L" " +
                                std::to_wstring(i) + L".lnk";
      Add(kStartMenu, std::wstring(kStartMenu) + L"\\" + name, false);
    }
  }

  bool List(std::wstring_view folder, std::vector<DirectoryEntry>& entries) const override {
    const auto it = folders_.find(std::wstring(folder));
    if (it == folders_.end()) return false;
    entries.insert(entries.end(), it->second.begin(), it->second.end());
    return true;
  }
  std::optional<PathKind> Probe(std::wstring_view) const override { return std::nullopt; }

 private:
  void Add(const std::wstring& folder, const std::wstring& path, bool is_folder) {
    folders_[folder].push_back({path.substr(NameStart(path)), is_folder, !is_folder, false});
  }
  std::map<std::wstring, std::vector<DirectoryEntry>> folders_;
};

class SyntheticSources final : public SearchSources {
 public:
  const FileSystem& Disk() const override { return disk_; }
  SearchFolders Folders() const override {
    SearchFolders folders;
    folders.profile = kProfile;
    folders.common_programs = kStartMenu;
    return folders;
  }
  std::vector<AppPathEntry> AppPaths() const override { return {}; }
  std::vector<std::wstring> QueryWindowsSearch(const std::wstring&) const override { return {}; }

 private:
  SyntheticDisk disk_;
};

SearchEngine& IndexedEngine() {
  static const SyntheticSources sources;
  static SearchEngine engine(sources, notch::SystemClock(), RunInline);
  static const bool built = (engine.EnsureIndexes(), true);
  (void)built;
  return engine;
}

constexpr std::array<const wchar_t*, 9> kQueries = {L"r",      L"re", L"rep", L"repo", L"repor",
                                                    L"report", L"vs", L"xq",  L"zebra"};

// The baseline: one plain pass over the same arena looking for the query in
// every lower-case path, which is the least any search of it does.
std::size_t PlainScan(const FileArena& arena, std::string_view lower_query) {
  std::size_t hits = 0;
  for (std::size_t i = 0; i < arena.size(); ++i) {
    if (arena.Entry(i).lower_path.find(lower_query) != std::string_view::npos) ++hits;
  }
  return hits;
}

// Once the first keystrokes have grown the engine's rows and scratch, a
// keystroke allocates nothing: allocs reads 0 in steady state.
void TimeKeystroke(benchmark::State& state, const wchar_t* query) {
  SearchEngine& engine = IndexedEngine();
  const std::shared_ptr<const FileArena> arena = engine.FileIndex();
  const std::string lower_query = notch::WideToUtf8(ToLower(query));
  state.SetLabel(notch::WideToUtf8(query) + " over " + std::to_string(arena->size()) + " files");
  notch::bench::TimeAgainstBaseline(
      state, [&] { benchmark::DoNotOptimize(engine.BuildResults(query, L"Default", L"g")); },
      [&] { benchmark::DoNotOptimize(PlainScan(*arena, lower_query)); });
}

void BM_InstantResults(benchmark::State& state) {
  TimeKeystroke(state, kQueries[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(BM_InstantResults)->DenseRange(0, kQueries.size() - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_InstantResultsTwoWords(benchmark::State& state) { TimeKeystroke(state, L"plan 2012"); }
BENCHMARK(BM_InstantResultsTwoWords)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The queries one after another, as typing gives them: each list refills
// rows the one before left in another order.
void BM_InstantResultsTyping(benchmark::State& state) {
  SearchEngine& engine = IndexedEngine();
  const std::shared_ptr<const FileArena> arena = engine.FileIndex();
  std::array<std::string, kQueries.size()> lower_queries;
  for (std::size_t i = 0; i < kQueries.size(); ++i) lower_queries[i] = notch::WideToUtf8(ToLower(kQueries[i]));
  std::size_t next = 0;
  state.SetLabel("the " + std::to_string(kQueries.size()) + " queries in turn");
  notch::bench::TimeAgainstBaseline(
      state,
      [&] {
        benchmark::DoNotOptimize(engine.BuildResults(kQueries[next], L"Default", L"g"));
        next = (next + 1) % kQueries.size();
      },
      [&] { benchmark::DoNotOptimize(PlainScan(*arena, lower_queries[next])); });
}
BENCHMARK(BM_InstantResultsTyping)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
