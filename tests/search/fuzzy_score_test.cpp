#include "search/fuzzy_score.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(FuzzyScoreTest, AgreesBetweenTheIndexsUtf8AndWideText) {
  const std::wstring candidate = L"relatório ônibus são paulo";
  for (const std::wstring query : {L"ônibus", L"são", L"rsp", L"tório", L"relatório ônibus são paulo", L"ób"}) {
    EXPECT_EQ(NameFuzzyScore(WideToUtf8(candidate), WideToUtf8(candidate).size(), WideToUtf8(query)),
              Score(candidate, query))
        << WideToUtf8(query);
  }
  EXPECT_EQ(Score(candidate, L"são"), 1201 - 17);  // positions count characters, not bytes
}

TEST(FuzzyScoreTest, NameScoreIsTheBetterOfNameAndStem) {
  const std::vector<std::string> names = {
      "report.pdf", "report 2024.final.docx", "a.b", ".bashrc", "ab", "x re.are re", "are.x re", "visual studio.lnk",
      "vs.code",    "relatório ônibus.txt",   "s.v"};
  const std::vector<std::string> queries = {"re",   "report", "a.b", "a",  "b",   "ab",   ".bashrc", "vs",
                                            "bash", "rp",     "ar",  "ôn", "pdf", "x re", "sv",      "v"};
  for (const std::string& name : names) {
    const std::size_t dot = name.rfind('.');
    const std::size_t stem_length = dot == std::string::npos ? name.size() : dot;
    for (const std::string& query : queries) {
      const int expected = std::max(Score(Utf8ToWide(name.substr(0, stem_length)), Utf8ToWide(query)),
                                    Score(Utf8ToWide(name), Utf8ToWide(query)));
      EXPECT_EQ(NameFuzzyScore(name, stem_length, query), expected) << name << " / " << query;
    }
  }
}

}  // namespace
}  // namespace notch::quick
