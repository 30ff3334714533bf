#include "search/file_matches.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "common/text.h"
#include "search/fuzzy_score.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

int Score(std::wstring_view lower_path, std::wstring_view query, int bonus = 0) {
  return ScorePath(lower_path, bonus, FileQuery(query));
}

TEST(FileScoreTest, ScoresOneWordByNameOrStem) {
  EXPECT_EQ(Score(L"c:\\docs\\report.pdf", L"report"), 1800);      // the stem is equal
  EXPECT_EQ(Score(L"c:\\docs\\report.pdf", L"repo"), 1450 - 6);    // the stem is the closer prefix
  EXPECT_EQ(Score(L"c:\\docs\\report.pdf", L"report.pdf"), 1900);  // the whole name
  EXPECT_EQ(Score(L"c:\\docs\\report.pdf", L"repo", 70), 70 + 1450 - 6);
}

TEST(FileScoreTest, AWordOnlyInTheFoldersAboveCountsALittle) {
  EXPECT_EQ(Score(L"c:\\taxes\\2023\\scan.pdf", L"taxes"), 420);
  EXPECT_EQ(Score(L"c:\\taxes\\2023\\scan.pdf", L"taxes", 160), 580);
  EXPECT_EQ(Score(L"c:\\taxes\\2023\\scan.pdf", L"budget"), kNoMatch);
}

TEST(FileScoreTest, SeveralWordsAverageAndRewardTheWholeName) {
  const int in_name = Score(L"c:\\x\\tax report.pdf", L"tax report");
  EXPECT_EQ(in_name, 260 + (1450 - 10 + 1201 - 4) / 2 + 200);
  const int scattered = Score(L"c:\\x\\report tax.pdf", L"tax report");
  EXPECT_EQ(scattered, 260 + (1201 - 7 + 1450 - 10) / 2);
  const int half_in_path = Score(L"c:\\taxes\\report.pdf", L"tax report");
  EXPECT_EQ(half_in_path, (420 + 1800) / 2);
  EXPECT_GT(in_name, scattered);
  EXPECT_GT(scattered, half_in_path);
  EXPECT_EQ(Score(L"c:\\taxes\\report.pdf", L"tax budget"), kNoMatch);
}

TEST(FolderSubtitleTest, WritesTheProfileAsTilde) {
  EXPECT_EQ(FolderSubtitle(L"C:\\Users\\Ana\\Documents\\a.txt", L"C:\\Users\\ana"), L"~\\Documents");
  EXPECT_EQ(FolderSubtitle(L"C:\\Users\\Ana\\a.txt", L"C:\\Users\\ana\\"), L"~");
  EXPECT_EQ(FolderSubtitle(L"C:\\Users\\Anabel\\a.txt", L"C:\\Users\\ana"), L"C:\\Users\\Anabel");
  EXPECT_EQ(FolderSubtitle(L"D:\\a.txt", L"C:\\Users\\ana"), L"D:\\");
}

TEST(FolderSubtitleTest, ShortensLongFoldersElsewhereInTheMiddle) {
  const std::wstring deep = L"D:\\Work\\Clients\\Northwind Traders\\Archive 2019-2023\\Projects\\notch";
  EXPECT_EQ(FolderSubtitle(deep + L"\\a.txt", L""), L"D:\\\u2026\\Projects\\notch");
  EXPECT_EQ(FolderSubtitle(L"D:\\Work\\Projects\\a.txt", L""), L"D:\\Work\\Projects");
}

TEST(FileRowTest, NamesTheFileAndItsFolder) {
  const SearchResult row = FileRow(L"C:\\Users\\ana\\Music", true, 500, L"C:\\Users\\ana");
  EXPECT_EQ(row.kind, ResultKind::Folder);
  EXPECT_EQ(row.title, L"Music");
  EXPECT_EQ(row.subtitle, L"~");
  EXPECT_EQ(row.target, L"C:\\Users\\ana\\Music");
  EXPECT_EQ(row.icon, icon::kFolder);
  EXPECT_EQ(row.score, 500);
}

TEST(FileMatchesTest, KeepsTheTwentyBestWithShorterNamesWinningTies) {
  FileArena arena;
  for (int i = 0; i < 40; ++i) {
    // Equal scores ("notes" is a prefix, capped at 60 characters); names grow longer.
    arena.Add(L"D:\\notes" + std::wstring(static_cast<std::size_t>(60 + i), L'x'), false, 0);
  }
  arena.Add(L"D:\\notes", false, 0);  // the best: equal to the query
  arena.Add(L"D:\\unrelated.txt", false, 0);
  ResultRows added;
  AddFileMatches(added, arena, FileQuery(L"notes"), "", L"");
  const std::span<const SearchResult> rows = added.rows();
  ASSERT_EQ(rows.size(), kMaxFileRows);
  EXPECT_EQ(rows[0].title, L"notes");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].title.size(), 5 + 60 + (i - 1)) << i;
    EXPECT_EQ(rows[i].score, 1450 - 60);
  }
}

// The scan skips work for entries that cannot make the list; it must keep
// exactly the entries that scoring every one of them would.
TEST(FileMatchesTest, KeepsWhatScoringEveryEntryWouldKeep) {
  const std::vector<std::wstring> words = {L"Report", L"rope", L"Pro", L"photo", L"é", L"draft", L"x"};
  FileArena arena;
  std::vector<std::pair<std::wstring, int>> entries;
  for (int i = 0; i < 400; ++i) {
    const std::size_t n = static_cast<std::size_t>(i);
    const std::wstring folder = L"D:\\" + words[n % 7] + L" " + std::to_wstring(n / 50) + L"\\" + words[(n / 3) % 7];
    const std::wstring path = folder + L"\\" + words[(n * 5) % 7] + words[(n / 7) % 7] + L" " + words[(n / 2) % 7] +
                              (n % 4 == 0 ? L"" : L".tx" + std::to_wstring(n % 3));
    const int bonus = (n % 3 == 0) ? 160 : 0;
    ASSERT_TRUE(arena.Add(path, n % 5 == 0, bonus));
    entries.emplace_back(path, bonus);
  }
  for (const std::wstring query : {L"rep", L"re", L"rp", L"pro photo", L"é", L"d:\\rope", L"x draft", L"tx1", L"po",
                                   L"draft 1", L"rope 7", L"1 photo"}) {
    const FileQuery file_query(ToLower(query));
    std::vector<std::tuple<int, std::size_t, std::size_t>> expected;  // score, name length, index
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const int score = ScorePath(ToLower(entries[i].first), entries[i].second, file_query);
      if (score >= 0) expected.emplace_back(-score, arena.Entry(i).lower_name.size(), i);
    }
    std::sort(expected.begin(), expected.end());
    ResultRows added;
    AddFileMatches(added, arena, file_query, "", L"");
    const std::span<const SearchResult> rows = added.rows();
    ASSERT_EQ(rows.size(), std::min(expected.size(), kMaxFileRows)) << WideToUtf8(query);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      EXPECT_EQ(rows[r].target, entries[std::get<2>(expected[r])].first) << WideToUtf8(query) << " row " << r;
      EXPECT_EQ(rows[r].score, -std::get<0>(expected[r])) << WideToUtf8(query) << " row " << r;
    }
  }
}

TEST(FileMatchesTest, LeavesOutTheTypedPath) {
  FileArena arena;
  arena.Add(L"D:\\Notes", true, 90);
  arena.Add(L"D:\\Notes\\notes.txt", false, 0);
  ResultRows added;
  AddFileMatches(added, arena, FileQuery(L"notes"), "d:\\notes", L"");
  const std::span<const SearchResult> rows = added.rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].target, L"D:\\Notes\\notes.txt");
}

TEST(FileQueryTest, AssigningAnotherQueryKeepsOnlyItsWords) {
  FileQuery query(L"\u3000caf\u00E9  r\u00E9sum\u00E9\u00A0notes\tx ");
  EXPECT_EQ(query.whole, WideToUtf8(L"\u3000caf\u00E9  r\u00E9sum\u00E9\u00A0notes\tx "));
  EXPECT_THAT(query.words, ::testing::ElementsAre("caf\xC3\xA9", "r\xC3\xA9sum\xC3\xA9", "notes", "x"));
  query.Assign(L"d:\\rope");
  EXPECT_EQ(query.whole, "d:\\rope");
  EXPECT_THAT(query.words, ::testing::ElementsAre("d:\\rope"));
  ASSERT_EQ(query.word_classes.size(), 1u);
  EXPECT_EQ(query.word_classes[0], ByteClasses("d:\\rope"));
  query.Assign(L"");
  EXPECT_THAT(query.words, ::testing::IsEmpty());
}

// The engine keeps one query and scorer for every keystroke. Entries of one
// folder share what was found in the folder's path, so a scorer restarted
// for a new query must not trust what it found there for the last one.
TEST(FileMatchesTest, AReusedQueryAndScorerKeepWhatFreshOnesKeep) {
  FileArena arena;
  for (const wchar_t* path : {L"D:\\rope\\a.txt", L"D:\\rope\\b notes.txt", L"D:\\rope\\rope a.txt"}) {
    ASSERT_TRUE(arena.Add(path, false, 0));
  }
  FileQuery reused_query;
  FileScorer reused_scorer(reused_query);
  ResultRows reused;
  for (const wchar_t* text : {L"notes", L"rope", L"a", L"rope a", L"notes rope", L"b"}) {
    reused_query.Assign(text);
    reused_scorer.Restart();
    reused.Clear();
    AddFileMatches(reused, arena, reused_scorer, "", L"");
    ResultRows fresh;
    AddFileMatches(fresh, arena, FileQuery(text), "", L"");
    ASSERT_FALSE(fresh.empty()) << WideToUtf8(text);
    EXPECT_TRUE(std::equal(reused.rows().begin(), reused.rows().end(), fresh.rows().begin(), fresh.rows().end()))
        << WideToUtf8(text);
  }
}

}  // namespace
}  // namespace notch::quick
