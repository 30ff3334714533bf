#include "search/search_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <span>
#include <thread>

#include "common/text.h"
#include "support/fake_search_sources.h"

namespace notch::quick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

constexpr wchar_t kLabel[] = L"Firefox";
constexpr wchar_t kProfile[] = L"C:\\Users\\ana";

// Keeps started builds until the test runs them.
struct QueuedTasks {
  std::vector<std::function<void()>> tasks;
  TaskRunner Runner() {
    return [this](std::function<void()> task) { tasks.push_back(std::move(task)); };
  }
  void RunAll() {
    std::vector<std::function<void()>> now = std::move(tasks);
    tasks.clear();
    for (auto& task : now) task();
  }
};

class SearchEngineTest : public ::testing::Test {
 protected:
  SearchEngineTest() {
    sources_.folders.profile = kProfile;
    sources_.folders.desktop = L"C:\\Users\\ana\\Desktop";
    sources_.folders.user_programs = L"C:\\Users\\ana\\Start Menu";
    sources_.disk.AddFile(L"C:\\Users\\ana\\Start Menu\\Visual Studio.lnk");
    sources_.disk.AddFile(L"C:\\Users\\ana\\Start Menu\\Spotify.lnk");
    sources_.disk.AddFile(L"C:\\Users\\ana\\Documents\\Quarterly Report.docx");
    sources_.disk.AddFile(L"C:\\Users\\ana\\Documents\\wifi passwords.txt");
    sources_.disk.AddFile(L"C:\\Users\\ana\\Desktop\\spotify playlist.txt");
  }

  SearchEngine& Engine() {
    if (!engine_) engine_ = std::make_unique<SearchEngine>(sources_, clock_, RunInline);
    return *engine_;
  }

  std::vector<SearchResult> Results(std::wstring_view query, std::wstring_view fallback = L"g") {
    const std::span<const SearchResult> rows = Engine().BuildResults(query, kLabel, fallback);
    return {rows.begin(), rows.end()};
  }

  std::vector<std::wstring> Titles(std::wstring_view query) {
    std::vector<std::wstring> titles;
    for (const SearchResult& row : Results(query)) titles.push_back(row.title);
    return titles;
  }

  testing::FakeSearchSources sources_;
  ManualClock clock_{5000};
  std::unique_ptr<SearchEngine> engine_;
};

TEST_F(SearchEngineTest, EmptyQueryGivesTheHintAndSixSuggestions) {
  const std::vector<SearchResult> rows = Results(L"   ");
  ASSERT_THAT(rows, SizeIs(7));
  EXPECT_EQ(rows[0].title, L"Search YouTube: type 'derivedid yt'");
  EXPECT_EQ(rows[0].subtitle, L"Browser: Firefox");
  EXPECT_EQ(rows[0].target, L"https://www.youtube.com/");
  EXPECT_EQ(rows[0].score, 900);
  EXPECT_EQ(rows[1].title, L"Wi-Fi Controls");
  EXPECT_EQ(rows[6].title, L"Notch Theme & Style");
  EXPECT_EQ(rows[6].kind, ResultKind::Setting);
  EXPECT_EQ(rows[6].score, 800);
}

TEST_F(SearchEngineTest, AskShortcutSearchesTheWholeRest) {
  const std::vector<SearchResult> rows = Results(L"  gpt what is ttml ");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].title, L"Ask ChatGPT: \"what is ttml\"");
  EXPECT_EQ(rows[0].subtitle, L"Firefox");
  EXPECT_EQ(rows[0].target, L"https://chatgpt.com/?q=what%20is%20ttml");
  EXPECT_EQ(rows[0].score, 2500);
  EXPECT_EQ(rows.back().title.find(L"Search Google"), std::wstring::npos);  // no fallback row
}

TEST_F(SearchEngineTest, ShortcutKeyWorksBeforeOrAfterTheText) {
  const std::vector<SearchResult> before = Results(L"yt lofi beats");
  const std::vector<SearchResult> after = Results(L"Lofi Beats YT");
  EXPECT_EQ(before[0].title, L"Search YouTube for \"lofi beats\"");
  EXPECT_EQ(after[0].title, L"Search YouTube for \"Lofi Beats\"");
  EXPECT_EQ(after[0].target, L"https://www.youtube.com/results?search_query=Lofi%20Beats");
}

TEST_F(SearchEngineTest, BareShortcutOpensTheHomePage) {
  const std::vector<SearchResult> rows = Results(L"g");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].title, L"Open Google");
  EXPECT_EQ(rows[0].subtitle, L"Firefox \u00B7 https://www.google.com/");
  EXPECT_EQ(rows[0].score, 2300);
  for (const SearchResult& row : Results(L"gg")) EXPECT_NE(row.score, 2300) << row.title;
}

TEST_F(SearchEngineTest, BareHostGivesALinkRow) {
  const std::vector<SearchResult> rows = Results(L"example.io");
  const auto link = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.kind == ResultKind::Link; });
  ASSERT_NE(link, rows.end());
  EXPECT_EQ(link->title, L"Open example.io");
  EXPECT_EQ(link->subtitle, L"Firefox \u00B7 https://example.io");
  EXPECT_EQ(link->target, L"https://example.io");
  EXPECT_EQ(link->score, 2250);
  for (const wchar_t* query : {L"example", L"example.i", L"ftp://example.io"}) {
    for (const SearchResult& row : Results(query)) EXPECT_NE(row.kind, ResultKind::Link) << query;
  }
}

TEST_F(SearchEngineTest, ExistingDriveRootGivesAFolderRow) {
  sources_.disk.AddFolder(L"C:\\");
  const std::vector<SearchResult> rows = Results(L"C:\\");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].kind, ResultKind::Folder);
  EXPECT_EQ(rows[0].title, L"C:\\");
  EXPECT_EQ(rows[0].subtitle, L"C:\\");
  EXPECT_EQ(rows[0].score, 2450);
  for (const SearchResult& row : Results(L"C:")) EXPECT_NE(row.score, 2450);
  for (const SearchResult& row : Results(L"Z:\\nothing")) EXPECT_NE(row.score, 2450);
}

TEST_F(SearchEngineTest, TypedPathsThatCouldStallAreOfferedWithoutAsking) {
  sources_.disk.MakeRemovable(L'E');
  const int probes = sources_.disk.probe_calls.load();
  std::vector<SearchResult> rows = Results(L"\\\\server\\share\\report.pdf");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].kind, ResultKind::File);
  EXPECT_EQ(rows[0].target, L"\\\\server\\share\\report.pdf");
  rows = Results(L"\\\\server\\share\\projects");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].kind, ResultKind::Folder);
  rows = Results(L"e:\\photos\\");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].kind, ResultKind::Folder);
  EXPECT_EQ(rows[0].target, L"e:\\photos\\");
  EXPECT_EQ(sources_.disk.probe_calls.load(), probes);
  // A fixed drive is asked, and a path missing there is no row.
  for (const SearchResult& row : Results(L"D:\\missing.txt")) EXPECT_NE(row.target, L"D:\\missing.txt");
  EXPECT_GT(sources_.disk.probe_calls.load(), probes);
}

TEST_F(SearchEngineTest, TypedPathRowIsNotRepeatedFromTheIndex) {
  const std::vector<SearchResult> quoted = Results(L"\"C:\\Users\\ana\\Documents\\wifi passwords.txt\"");
  ASSERT_FALSE(quoted.empty());
  EXPECT_EQ(quoted[0].target, L"C:\\Users\\ana\\Documents\\wifi passwords.txt");
  // Unquoted, the query's words also match the file in the index.
  const std::vector<SearchResult> rows = Results(L"c:\\users\\ana\\documents\\wifi passwords.txt");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].kind, ResultKind::File);
  EXPECT_EQ(rows[0].title, L"wifi passwords.txt");
  EXPECT_EQ(rows[0].subtitle, L"c:\\users\\ana\\documents");
  const auto copies = std::count_if(rows.begin(), rows.end(), [](const SearchResult& row) {
    return ToLower(row.target) == L"c:\\users\\ana\\documents\\wifi passwords.txt";
  });
  EXPECT_EQ(copies, 1);
}

TEST_F(SearchEngineTest, CalculationComesFirstAmongLocalRows) {
  const std::vector<SearchResult> rows = Results(L"2*(3+4)");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].kind, ResultKind::Calc);
  EXPECT_EQ(rows[0].title, L"= 14");
  EXPECT_EQ(rows[0].subtitle, L"Copy answer");
  EXPECT_EQ(rows[0].target, L"14");
  EXPECT_EQ(rows[0].icon, icon::kCalculator);
  EXPECT_EQ(rows[0].score, 2400);
  for (const SearchResult& row : Results(L"1e5+1")) EXPECT_NE(row.kind, ResultKind::Calc);
}

TEST_F(SearchEngineTest, WifiFindsTheControlsThroughKeywords) {
  const std::vector<SearchResult> rows = Results(L"wifi");
  const auto controls =
      std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.title == L"Wi-Fi Controls"; });
  ASSERT_NE(controls, rows.end());
  EXPECT_GE(controls->score, 850);
  EXPECT_EQ(controls->target, L"notch:wifi");
  EXPECT_EQ(controls->icon, 0xE701);
}

TEST_F(SearchEngineTest, RanksAppsFilesAndTheFallbackByScore) {
  const std::vector<SearchResult> rows = Results(L"spotify");
  ASSERT_THAT(rows, SizeIs(3));
  EXPECT_EQ(rows[0].kind, ResultKind::App);
  EXPECT_EQ(rows[0].title, L"Spotify");
  EXPECT_EQ(rows[0].score, 1800);
  EXPECT_EQ(rows[1].kind, ResultKind::File);
  EXPECT_EQ(rows[1].title, L"spotify playlist.txt");
  EXPECT_EQ(rows[1].subtitle, L"~\\Desktop");
  EXPECT_EQ(rows[1].score, 70 + 1450 - 16);
  EXPECT_EQ(rows[2].title, L"Search Google for \"spotify\"");
  EXPECT_EQ(rows[2].subtitle, L"Firefox \u00B7 Shortcut 'yt' for YouTube");
  EXPECT_EQ(rows[2].target, L"https://www.google.com/search?q=spotify");
  EXPECT_EQ(rows[2].score, 120);
}

TEST_F(SearchEngineTest, OneCharacterLeavesTheFileIndexOut) {
  for (const SearchResult& row : Results(L"q")) EXPECT_NE(row.kind, ResultKind::File) << row.title;
  EXPECT_THAT(Titles(L"qu"), ::testing::Contains(L"Quarterly Report.docx"));
}

TEST_F(SearchEngineTest, FallbackFollowsTheSettingOrAsksChatGpt) {
  EXPECT_EQ(Results(L"zzz", L"DDG").back().target, L"https://duckduckgo.com/?q=zzz");
  EXPECT_EQ(Results(L"zzz", L"bing").back().title, L"Search ChatGPT for \"zzz\"");
}

TEST_F(SearchEngineTest, BuildsTheAppIndexOnceAndTheFileIndexAtMostOncePerMinute) {
  QueuedTasks queued;
  SearchEngine engine(sources_, clock_, queued.Runner());
  engine.EnsureIndexes();
  EXPECT_THAT(queued.tasks, SizeIs(2));
  engine.EnsureIndexes();  // both builds are still running
  EXPECT_THAT(queued.tasks, SizeIs(2));
  queued.RunAll();
  ASSERT_TRUE(engine.AppIndexBuilt());
  const std::shared_ptr<const FileArena> first = engine.FileIndex();
  ASSERT_NE(first, nullptr);

  clock_.Advance(60000);
  engine.EnsureIndexes();
  EXPECT_THAT(queued.tasks, IsEmpty());
  clock_.Advance(1);
  engine.EnsureIndexes();
  ASSERT_THAT(queued.tasks, SizeIs(1));  // the file index only
  queued.RunAll();
  EXPECT_NE(engine.FileIndex(), first);
  EXPECT_EQ(first->size(), engine.FileIndex()->size());  // the old snapshot lives on for its holders
}

TEST_F(SearchEngineTest, SearchStartsIndexesOnlyBeforeTheAppIndex) {
  QueuedTasks queued;
  SearchEngine engine(sources_, clock_, queued.Runner());
  engine.BuildResults(L"spot", kLabel, L"g");
  EXPECT_THAT(queued.tasks, SizeIs(2));
  queued.RunAll();
  clock_.Advance(120000);
  engine.BuildResults(L"spot", kLabel, L"g");
  EXPECT_THAT(queued.tasks, IsEmpty());  // refreshing files is the panel's call
}

TEST_F(SearchEngineTest, IndexesBuildOnTheirOwnThreadsWhileSearchesRun) {
  std::vector<std::thread> threads;
  SearchEngine engine(sources_, SystemClock(),
                      [&](std::function<void()> task) { threads.emplace_back(std::move(task)); });
  engine.EnsureIndexes();
  for (int i = 0; i < 50; ++i) engine.BuildResults(L"spotify", kLabel, L"g");
  for (std::thread& thread : threads) thread.join();
  EXPECT_TRUE(engine.AppIndexBuilt());
  EXPECT_EQ(engine.BuildResults(L"spotify", kLabel, L"g")[0].title, L"Spotify");
}

// The engine refills the rows of the last query in place: whatever came
// before, each list must be exactly the one a fresh engine gives, with no row,
// text, icon or score left over from a longer or different list.
TEST_F(SearchEngineTest, RefilledRowsMatchAFreshEnginesRows) {
  struct Query {
    const wchar_t* text;
    const wchar_t* label;
    const wchar_t* fallback;
  };
  const Query queries[] = {
      {L"spotify", L"Firefox", L"g"},
      {L"sp", L"Firefox", L"g"},  // shorter: fewer file rows
      {L"", L"Edge", L"g"},       // the empty list after a full one
      {L"wifi", L"Firefox", L"yt"},
      {L"C:\\Users\\ana\\Documents", L"Firefox", L"g"},  // a folder path row first
      {L"2*(3+4)", L"Firefox", L"opus"},                 // a calculation where the path row was
      {L"example.com/a?b", L"Default", L"g"},
      {L"yt", L"Default", L"g"},
      {L"lofi beats yt", L"Chrome", L"g"},
      {L"gpt what is ttml", L"Chrome", L"g"},
      {L"C:\\Users\\ana\\Documents\\wifi passwords.txt", L"Firefox", L"g"},
      {L"wifi pass", L"Firefox", L"g"},  // the file of the typed path above
      {L"visual studio", L"Firefox", L"w"},
      {L"q", L"Firefox", L"g"},
      {L"report quarterly", L"Firefox", L"g"},
      {L"   ", L"Firefox", L"g"},
      {L"spotify", L"Firefox", L"g"},
  };
  sources_.disk.AddFile(L"C:\\Users\\ana\\Documents\\spotify notes.txt");
  sources_.disk.AddFile(L"C:\\Users\\ana\\Music\\Spotify Exports\\sp list.txt");
  SearchEngine& reused = Engine();
  for (const Query& query : queries) {
    const std::span<const SearchResult> rows = reused.BuildResults(query.text, query.label, query.fallback);
    SearchEngine fresh(sources_, clock_, RunInline);
    const std::span<const SearchResult> expected = fresh.BuildResults(query.text, query.label, query.fallback);
    ASSERT_FALSE(expected.empty()) << WideToUtf8(query.text);
    EXPECT_EQ(std::vector<SearchResult>(rows.begin(), rows.end()),
              std::vector<SearchResult>(expected.begin(), expected.end()))
        << WideToUtf8(query.text);
  }
}

TEST_F(SearchEngineTest, EqualScoresKeepTheOrderTheyWereProducedIn) {
  // "Timer" and "Task Manager" both hold a "t" at a word start; rows of one
  // score keep table order, and the settings come before the apps and files.
  sources_.disk.AddFile(L"C:\\Users\\ana\\Start Menu\\Timer.lnk");
  const std::vector<SearchResult> rows = Results(L"timer");
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_GE(rows[i - 1].score, rows[i].score) << i;
  const auto setting =
      std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.kind == ResultKind::Setting; });
  const auto app = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.kind == ResultKind::App; });
  ASSERT_NE(setting, rows.end());
  ASSERT_NE(app, rows.end());
  ASSERT_EQ(setting->score, app->score);  // both are equal to the query
  EXPECT_LT(setting, app);
}

class DeepFileSearchTest : public SearchEngineTest {
 protected:
  std::vector<SearchResult> Deep(std::wstring_view query) {
    sources_.disk.list_calls = 0;
    return Engine().DeepFileSearch(query, cancel_);
  }
  std::atomic<bool> cancel_{false};
};

TEST_F(DeepFileSearchTest, OneCharacterOrAWebSearchNeverSearches) {
  Engine();
  for (const wchar_t* query : {L"q", L" q ", L"yt quarterly"}) {
    EXPECT_THAT(Deep(query), IsEmpty()) << query;
    EXPECT_EQ(sources_.disk.list_calls, 0) << query;
  }
  EXPECT_THAT(sources_.windows_search_commands, IsEmpty());
}

TEST_F(DeepFileSearchTest, MergesWindowsSearchRowsWithTheLiveWalk) {
  sources_.disk.AddFile(L"E:\\Archive\\quarterly old.xlsx");
  sources_.windows_search_rows = {
      L"E:\\Archive\\quarterly old.xlsx",
      L"E:\\ARCHIVE\\QUARTERLY OLD.XLSX",                    // seen already
      L"E:\\gone\\quarterly.txt",                            // no longer exists
      L"C:\\Users\\ana\\node_modules\\quarterly\\index.js",  // a skipped part
      L"",
      L"C:\\Users\\ana\\Documents\\Quarterly Report.docx",  // also found by the walk
  };
  const std::vector<SearchResult> rows = Deep(L"quarterly");
  ASSERT_THAT(rows, SizeIs(2));
  EXPECT_EQ(rows[0].title, L"quarterly old.xlsx");
  EXPECT_EQ(rows[0].subtitle, L"E:\\Archive");
  EXPECT_EQ(rows[1].title, L"Quarterly Report.docx");
  EXPECT_EQ(rows[1].subtitle, L"~\\Documents");
  EXPECT_EQ(rows[1].score, 1450 - 16);  // no index bonus
  EXPECT_THAT(sources_.windows_search_commands, SizeIs(1));
}

TEST_F(DeepFileSearchTest, KeepsTheTwentyBest) {
  for (int i = 0; i < 30; ++i) sources_.disk.AddFile(L"C:\\Users\\ana\\Documents\\plan " + std::to_wstring(i));
  EXPECT_THAT(Deep(L"plan"), SizeIs(kMaxDeepRows));
}

TEST_F(DeepFileSearchTest, CancelledSearchGivesNothing) {
  sources_.disk.on_list = [&] { cancel_ = true; };
  EXPECT_THAT(Deep(L"quarterly"), IsEmpty());
  cancel_ = true;
  EXPECT_THAT(Deep(L"quarterly"), IsEmpty());
}

}  // namespace
}  // namespace notch::quick
