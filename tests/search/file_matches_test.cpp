#include "search/file_matches.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/fuzzy_score.h"

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
  std::vector<SearchResult> rows;
  AppendFileMatches(rows, arena, FileQuery(L"notes"), "", L"");
  ASSERT_EQ(rows.size(), kMaxFileRows);
  EXPECT_EQ(rows[0].title, L"notes");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].title.size(), 5 + 60 + (i - 1)) << i;
    EXPECT_EQ(rows[i].score, 1450 - 60);
  }
}

TEST(FileMatchesTest, LeavesOutTheTypedPath) {
  FileArena arena;
  arena.Add(L"D:\\Notes", true, 90);
  arena.Add(L"D:\\Notes\\notes.txt", false, 0);
  std::vector<SearchResult> rows;
  AppendFileMatches(rows, arena, FileQuery(L"notes"), "d:\\notes", L"");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].target, L"D:\\Notes\\notes.txt");
}

}  // namespace
}  // namespace notch::quick
