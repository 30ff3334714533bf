#include "lyrics/lyricsplus_reader.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "lyrics/provider_table.h"

namespace notch::lyrics {
namespace {

using nlohmann::json;

json Syllable(double time, double duration, std::string text) {
  return {{"time", time}, {"duration", duration}, {"text", std::move(text)}};
}

std::optional<Sheet> Read(const json& answer) { return ReadLyricsPlus(answer.dump()); }

std::optional<Sheet> ReadLines(const json& lines, std::string type = "Word") {
  return Read({{"type", std::move(type)}, {"lyrics", lines}});
}

TEST(LyricsPlusReaderTest, SyllablesCarryTheirOwnSpacesAndBecomeWords) {
  const json line = {{"time", 1000},
                     {"duration", 2000},
                     {"text", "ignored when words exist"},
                     {"syllabus",
                      {Syllable(1000, 400, "Hel"),
                       Syllable(1400, 300, "lo "),
                       Syllable(1700, 500, "there"),
                       {{"time", 1800}, {"duration", 100}, {"text", " (bg)"}, {"isBackground", true}}}}};
  const std::optional<Sheet> sheet = ReadLines(json::array({line}));
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 1u);
  EXPECT_EQ(sheet->lines[0].start, 1000);
  EXPECT_EQ(sheet->lines[0].end, 3000);
  EXPECT_EQ(sheet->lines[0].text, L"Hello there");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{1000, 1400, 0, 3}, {1400, 1700, 3, 3}, {1700, 2200, 6, 5}}));
  EXPECT_EQ(KindOf(&*sheet), SheetKind::WordSynced);
  EXPECT_EQ(sheet->credit, (Credit{L"LyricsPlus", std::wstring(ProviderSite(ProviderId::LyricsPlus)), L"", L""}));
}

TEST(LyricsPlusReaderTest, LineEndComesFromEndTimeOrElseFromDuration) {
  const std::optional<Sheet> sheet = ReadLines(json::array({
      {{"time", 1000}, {"endTime", 2500}, {"duration", 9000}, {"text", "end time"}},
      {{"time", 3000}, {"endTime", 3000}, {"duration", 700}, {"text", "duration"}},
      {{"time", 4000}, {"text", "open"}},
  }));
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 3u);
  EXPECT_EQ(sheet->lines[0].end, 2500);
  EXPECT_EQ(sheet->lines[1].end, 3700);
  EXPECT_EQ(sheet->lines[2].end, 0);
  EXPECT_EQ(KindOf(&*sheet), SheetKind::LineSynced);
}

TEST(LyricsPlusReaderTest, SyllableMayEndThirtyMillisecondsAfterItsLine) {
  const json line = {
      {"time", 0}, {"duration", 1000}, {"syllabus", {Syllable(0, 1030, "in"), Syllable(500, 531, "out")}}};
  const std::optional<Sheet> sheet = ReadLines(json::array({line}));
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"inout");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{0, 1030, 0, 2}}));
}

TEST(LyricsPlusReaderTest, SyllablesThatAreNotWordsStillJoinTheText) {
  const json line = {{"time", 1000},
                     {"syllabus",
                      {Syllable(900, 100, "early "),
                       Syllable(1000, 0, "still "),
                       Syllable(1100, 100, "   "),
                       {{"time", "1200"}, {"duration", 100}, {"text", "string "}},
                       Syllable(1300, 100, "word"),
                       Syllable(1400, 100, ""),
                       json("not an object")}}};
  const std::optional<Sheet> sheet = ReadLines(json::array({line}));
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"early still    string word");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{1300, 1400, 22, 4}}));
}

TEST(LyricsPlusReaderTest, WithoutAnyWordTheElementTextIsTheLine) {
  const json untimed_syllables = {{"time", 0}, {"text", "fallback"}, {"syllabus", {Syllable(-5, 100, "x")}}};
  const std::optional<Sheet> sheet = ReadLines(json::array({untimed_syllables}));
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"fallback");
  EXPECT_TRUE(sheet->lines[0].words.empty());

  const json nothing_at_all = {{"time", 0}, {"syllabus", {Syllable(-5, 100, "x")}}};
  EXPECT_FALSE(ReadLines(json::array({nothing_at_all})));
}

TEST(LyricsPlusReaderTest, LineTypeIgnoresSyllablesAndWordsListIsTheFallback) {
  const json line = {{"time", 0}, {"text", "whole line"}, {"syllabus", {Syllable(0, 100, "syl")}}};
  const std::optional<Sheet> line_typed = ReadLines(json::array({line}), "line");
  ASSERT_TRUE(line_typed);
  EXPECT_EQ(line_typed->lines[0].text, L"whole line");
  EXPECT_TRUE(line_typed->lines[0].words.empty());

  const json with_words = {{"time", 0}, {"words", {Syllable(0, 100, "w")}}};
  const std::optional<Sheet> from_words = ReadLines(json::array({with_words}));
  ASSERT_TRUE(from_words);
  EXPECT_EQ(from_words->lines[0].text, L"w");
  EXPECT_EQ(from_words->lines[0].words.size(), 1u);
}

TEST(LyricsPlusReaderTest, SyllableListsAndLineTextAreCapped) {
  json many = json::array();
  for (std::size_t i = 0; i <= kMaxLyricsPlusSyllables; ++i) many.push_back(Syllable(0, 10, "s"));
  const std::optional<Sheet> too_many = ReadLines(json::array({{{"time", 0}, {"text", "text"}, {"syllabus", many}}}));
  ASSERT_TRUE(too_many);
  EXPECT_EQ(too_many->lines[0].text, L"text");

  const json long_syllables = {{"time", 0},
                               {"syllabus",
                                {Syllable(0, 10, std::string(1000, 'a')), Syllable(10, 10, std::string(25, 'b')),
                                 Syllable(20, 10, std::string(24, 'c'))}}};
  const std::optional<Sheet> capped = ReadLines(json::array({long_syllables}));
  ASSERT_TRUE(capped);
  EXPECT_EQ(capped->lines[0].text, std::wstring(1000, L'a') + std::wstring(24, L'c'));
  EXPECT_EQ(capped->lines[0].words.size(), 2u);

  const std::optional<Sheet> cut = ReadLines(json::array({{{"time", 0}, {"text", std::string(400, 'z')}}}));
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->lines[0].text.size(), kMaxShortLineLength);
}

TEST(LyricsPlusReaderTest, UntimedAndStaticElementsArePlainUnlessTimedLinesExist) {
  const std::optional<Sheet> plain = ReadLines(
      json::array({{{"time", 0}, {"text", "one"}}, {{"time", 5}, {"text", ""}}, {{"text", "two"}}}), "Static");
  ASSERT_TRUE(plain);
  EXPECT_TRUE(plain->lines.empty());
  EXPECT_EQ(plain->plain, (std::vector<std::wstring>{L"one", L"two"}));

  const std::optional<Sheet> mixed =
      ReadLines(json::array({{{"time", 2000}, {"text", "b"}}, {{"text", "untimed"}}, {{"time", 1000}, {"text", "a"}}}));
  ASSERT_TRUE(mixed);
  EXPECT_TRUE(mixed->plain.empty());
  ASSERT_EQ(mixed->lines.size(), 2u);
  EXPECT_EQ(mixed->lines[0].text, L"a");
}

TEST(LyricsPlusReaderTest, TimesMustBeNumbersWithinADay) {
  for (const json& time : {json(-1), json(86400001), json("1000"), json(nullptr), json(true)}) {
    const std::optional<Sheet> sheet = ReadLines(json::array({{{"time", time}, {"text", "t"}}}));
    ASSERT_TRUE(sheet) << time;
    EXPECT_TRUE(sheet->lines.empty()) << time;  // no time: a plain line
  }
  const std::optional<Sheet> fraction = ReadLines(json::array({{{"time", 1234.9}, {"text", "t"}}}));
  ASSERT_TRUE(fraction);
  EXPECT_EQ(fraction->lines[0].start, 1234);
  const std::optional<Sheet> last_moment = ReadLines(json::array({{{"time", 86400000}, {"text", "t"}}}));
  ASSERT_TRUE(last_moment);
  EXPECT_EQ(last_moment->lines[0].start, 86400000);
}

TEST(LyricsPlusReaderTest, TheListMayBeLyricsOrDataOrLyricsInsideData) {
  const json lines = json::array({{{"time", 0}, {"text", "x"}}});
  EXPECT_TRUE(Read({{"lyrics", lines}}));
  EXPECT_TRUE(Read({{"data", lines}}));
  EXPECT_TRUE(Read({{"data", {{"lyrics", lines}}}}));
  EXPECT_TRUE(Read({{"lyrics", "not a list"}, {"data", lines}}));
  EXPECT_FALSE(Read({{"data", {{"other", lines}}}}));
  EXPECT_FALSE(Read({{"type", "Word"}}));
}

TEST(LyricsPlusReaderTest, AListOfMoreThanAThousandElementsGivesNoSheet) {
  json lines = json::array();
  for (std::size_t i = 0; i < kMaxLyricsPlusElements; ++i) lines.push_back({{"time", i}, {"text", "x"}});
  const std::optional<Sheet> full = ReadLines(lines);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->lines.size(), kMaxLyricsPlusElements);
  lines.push_back(42);  // even an element that would be skipped counts
  EXPECT_FALSE(ReadLines(lines));
}

TEST(LyricsPlusReaderTest, MalformedAnswersGiveNoSheet) {
  const std::string good = json{{"lyrics", {{{"time", 0}, {"text", "x"}}}}}.dump();
  ASSERT_TRUE(ReadLyricsPlus(good));
  for (std::size_t length = 0; length < good.size(); ++length) EXPECT_FALSE(ReadLyricsPlus(good.substr(0, length)));
  for (const char* body : {"", "[]", "null", "\"text\"", "{\"lyrics\":[{\"time\":0,\"text\":\"\xC3\x28\"}]}",
                           "{\"lyrics\":[1,2,\"x\",null]}", "{\"lyrics\":[{\"time\":0,\"text\":7}]}"}) {
    EXPECT_FALSE(ReadLyricsPlus(body)) << body;
  }
}

}  // namespace
}  // namespace notch::lyrics
