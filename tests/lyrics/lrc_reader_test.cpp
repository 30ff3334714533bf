#include "lyrics/lrc_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace notch::lyrics {
namespace {

std::vector<std::int32_t> Starts(const Sheet& sheet) {
  std::vector<std::int32_t> starts;
  for (const Line& line : sheet.lines) starts.push_back(line.start);
  return starts;
}

std::vector<std::wstring> Texts(const Sheet& sheet) {
  std::vector<std::wstring> texts;
  for (const Line& line : sheet.lines) texts.push_back(line.text);
  return texts;
}

TEST(LrcReaderTest, EachTagOfAPieceGivesALineWithItsText) {
  const std::optional<Sheet> sheet = ReadLrc(L"[00:12.34][01:02]Hello", L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(Starts(*sheet), (std::vector<std::int32_t>{12340, 62000}));
  EXPECT_EQ(Texts(*sheet), (std::vector<std::wstring>{L"Hello", L"Hello"}));
  EXPECT_EQ(sheet->lines[0].end, 0);
  EXPECT_TRUE(sheet->lines[0].words.empty());
  EXPECT_TRUE(sheet->plain.empty());
  EXPECT_FALSE(sheet->credit);
  EXPECT_EQ(KindOf(&*sheet), SheetKind::LineSynced);
}

TEST(LrcReaderTest, FractionDigitsCountTenthsHundredthsAndMilliseconds) {
  const std::optional<Sheet> sheet =
      ReadLrc(L"[01:02.5]a\n[01:02.05]b\n[01:02.005]c\n[01:02:7]d\n[01:02.]e\n[1:2.1239]f\n[000:00000007]g", L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(Starts(*sheet), (std::vector<std::int32_t>{7000, 62000, 62005, 62050, 62123, 62500, 62700}));
  EXPECT_EQ(Texts(*sheet), (std::vector<std::wstring>{L"g", L"e", L"c", L"b", L"f", L"a", L"d"}));
}

TEST(LrcReaderTest, MalformedTagsAreNotTags) {
  for (const wchar_t* piece : {L"[01:60.00]x", L"[1234:00.00]x", L"[01:2x]x", L"[01:02.1x]x", L"[:02]x", L"[01:]x",
                               L"[0102]x", L"[01:02.00x", L"[ar:Someone]x", L"x[00:01.00]"}) {
    EXPECT_FALSE(ReadLrc(piece, L"")) << piece;
  }
}

TEST(LrcReaderTest, TheFirstTagThatDoesNotReadStaysInTheText) {
  const std::optional<Sheet> sheet = ReadLrc(L"[00:01.00][bad][00:02.00] words ", L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(Texts(*sheet), (std::vector<std::wstring>{L"[bad][00:02.00] words"}));
}

TEST(LrcReaderTest, SixteenTagsAtMostTheSeventeenthStaysInTheText) {
  std::wstring piece;
  for (int i = 0; i < 17; ++i) piece += L"[00:" + std::to_wstring(10 + i) + L".00]";
  const std::optional<Sheet> sheet = ReadLrc(piece + L"la", L"");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 16u);
  EXPECT_EQ(sheet->lines.back().start, 25000);
  EXPECT_EQ(sheet->lines.back().text, L"[00:26.00]la");
}

TEST(LrcReaderTest, OffsetMovesLinesAndNeverBeforeTheStart) {
  const std::optional<Sheet> earlier = ReadLrc(L"[00:00.20]a\n[offset:+500]\n[00:10.00]b", L"");
  ASSERT_TRUE(earlier);
  EXPECT_EQ(Starts(*earlier), (std::vector<std::int32_t>{0, 9500}));

  const std::optional<Sheet> later = ReadLrc(L"[offset:-250]\n[00:10.00]b", L"");
  ASSERT_TRUE(later);
  EXPECT_EQ(Starts(*later), (std::vector<std::int32_t>{10250}));
}

TEST(LrcReaderTest, LaterOffsetReplacesEarlierAndMalformedOnesAreIgnored) {
  const std::optional<Sheet> sheet =
      ReadLrc(L"[offset:100]\n[offset:300]\n[offset:+]\n[offset:123456789]\n[offset:1.5]\n[00:10.00]b", L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(Starts(*sheet), (std::vector<std::int32_t>{9700}));
  EXPECT_EQ(sheet->lines.size(), 1u);  // offset lines, good or bad, give no line
}

TEST(LrcReaderTest, LinesAreSortedStablyByStart) {
  const std::optional<Sheet> sheet = ReadLrc(L"[00:05.00]late\n[00:01.00]first\n[00:05.00]late too", L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(Texts(*sheet), (std::vector<std::wstring>{L"first", L"late", L"late too"}));
}

TEST(LrcReaderTest, EmptyTimedLinesAreGapsOnlyBesideLinesWithText) {
  const std::optional<Sheet> with_text = ReadLrc(L"[00:01.00]a\r\n[00:02.00]\r\n", L"plain");
  ASSERT_TRUE(with_text);
  EXPECT_EQ(Texts(*with_text), (std::vector<std::wstring>{L"a", L""}));
  EXPECT_TRUE(with_text->plain.empty());
}

TEST(LrcReaderTest, AllTimedLinesEmptyFallsBackToThePlainText) {
  const std::optional<Sheet> sheet = ReadLrc(L"[00:01.00]\n[00:02.00]  ", L"\uFEFF  One \r\n\n\tTwo\n   \n");
  ASSERT_TRUE(sheet);
  EXPECT_TRUE(sheet->lines.empty());
  EXPECT_EQ(sheet->plain, (std::vector<std::wstring>{L"One", L"Two"}));
  EXPECT_EQ(KindOf(&*sheet), SheetKind::Plain);
}

TEST(LrcReaderTest, NothingToReadGivesNoSheet) {
  EXPECT_FALSE(ReadLrc(L"", L""));
  EXPECT_FALSE(ReadLrc(L"no tags here\n[00:01.00]", L" \n\r\n"));
}

TEST(LrcReaderTest, PiecesAreTrimmedBeforeTheirTagsAreRead) {
  const std::optional<Sheet> sheet = ReadLrc(L"\uFEFF [00:01.00]\tHi\t\r", L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(Texts(*sheet), (std::vector<std::wstring>{L"Hi"}));
}

TEST(LrcReaderTest, CapsLineCountAndLength) {
  std::wstring synced;
  for (int i = 0; i < 1200; ++i) synced += L"[00:01.00]" + std::wstring(400, L'a') + L"\n";
  const std::optional<Sheet> sheet = ReadLrc(synced, L"");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines.size(), kMaxTimedLines);
  EXPECT_EQ(sheet->lines.front().text.size(), kMaxShortLineLength);

  std::wstring plain;
  for (int i = 0; i < 1200; ++i) plain += std::wstring(400, L'b') + L"\n";
  const std::optional<Sheet> fallback = ReadLrc(L"", plain);
  ASSERT_TRUE(fallback);
  EXPECT_EQ(fallback->plain.size(), kMaxPlainLines);
  EXPECT_EQ(fallback->plain.front().size(), kMaxShortLineLength);
}

}  // namespace
}  // namespace notch::lyrics
