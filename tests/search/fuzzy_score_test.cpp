#include "search/fuzzy_score.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch::quick {
namespace {

int Score(std::wstring_view candidate, std::wstring_view query) { return FuzzyScore(candidate, query); }

TEST(FuzzyScoreTest, ScoresEachKindOfMatch) {
  EXPECT_EQ(Score(L"notepad", L"notepad"), 1800);
  EXPECT_EQ(Score(L"vs code", L"vs"), 1450 - 7);
  EXPECT_EQ(Score(L"visual studio", L"studio"), 1201 - 7);  // after a space
  EXPECT_EQ(Score(L"notepad", L"pad"), 950 - 2 * 4);        // inside a word
  EXPECT_EQ(Score(L"visual studio", L"vs"), 25 * 2 - 13 + 600);
  EXPECT_EQ(Score(L"obs", L"vs"), kNoMatch);
  EXPECT_EQ(Score(L"", L"a"), kNoMatch);
  EXPECT_EQ(Score(L"a", L""), kNoMatch);
}

TEST(FuzzyScoreTest, CapsTheLengthPenalties) {
  const std::wstring long_name = L"report" + std::wstring(100, L'x');
  EXPECT_EQ(Score(long_name, L"rep"), 1450 - 60);
  EXPECT_EQ(Score(L"a " + std::wstring(100, L'x') + L" b", L"ab"), 25 * 2 - 50 + 600);
}

TEST(FuzzyScoreTest, PrefersAWordStartOccurrenceOverAnEarlierOne) {
  // "on" occurs first inside "phone", later at the start of "one".
  EXPECT_EQ(Score(L"phone one", L"on"), 1201 - 6);
}

TEST(FuzzyScoreTest, OrdersMatchesAsAUserExpects) {
  EXPECT_GT(Score(L"spotify", L"spot"), Score(L"hotspot", L"spot"));              // prefix beats infix
  EXPECT_GT(Score(L"my spotify", L"spot"), Score(L"hotspot", L"spot"));           // word start beats infix
  EXPECT_GT(Score(L"visual studio", L"studio"), Score(L"visual studio", L"vs"));  // a whole word beats initials
  EXPECT_GT(Score(L"vs", L"vs"), Score(L"vs code", L"vs"));                       // equal beats prefix
}

TEST(FuzzyScoreTest, ScatteredLettersNeedWordStarts) {
  // Letters found only inside words are not a match: at least two initials.
  EXPECT_EQ(Score(L"notepad", L"ntp"), kNoMatch);
  EXPECT_EQ(Score(L"adobe photoshop", L"aps"), 25 * 2 - 15 + 600);
  EXPECT_EQ(Score(L"x-ray viewer", L"xv"), 25 * 2 - 12 + 600);
  // Punctuation separates words and never matches.
  EXPECT_EQ(Score(L"file_zilla", L"fz"), 25 * 2 - 10 + 600);
  EXPECT_EQ(Score(L"file zilla", L"f_z"), kNoMatch);
}

TEST(FuzzyScoreTest, ScatteredMatchingStopsAtLongQueriesAndSlashes) {
  EXPECT_EQ(Score(L"a b c d e f g h i", L"abcdefgh"), 25 * 8 - 17 + 600);
  EXPECT_EQ(Score(L"a b c d e f g h i", L"abcdefghi"), kNoMatch);
  EXPECT_EQ(Score(L"docs reports", L"d/r"), kNoMatch);
  EXPECT_EQ(Score(L"docs reports", L"d\\r"), kNoMatch);
}

TEST(FuzzyScoreTest, AgreesBetweenUtf8AndWideTextOnNonAsciiNames) {
  const std::wstring candidate = L"relatório ônibus são paulo";
  for (const std::wstring query : {L"ônibus", L"são", L"rsp", L"tório", L"relatório ônibus são paulo", L"ób"}) {
    EXPECT_EQ(FuzzyScore(WideToUtf8(candidate), WideToUtf8(query)), Score(candidate, query)) << WideToUtf8(query);
  }
  EXPECT_EQ(Score(candidate, L"são"), 1201 - 17);  // positions count characters, not bytes
}

TEST(FuzzyScoreTest, SubsequenceTestAcceptsEveryMatch) {
  EXPECT_TRUE(IsSubsequence("vs", "visual studio"));
  EXPECT_TRUE(IsSubsequence("", "anything"));
  EXPECT_FALSE(IsSubsequence("sv", "vs"));
}

}  // namespace
}  // namespace notch::quick
