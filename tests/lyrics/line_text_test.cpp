#include "lyrics/line_text.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {
namespace {

TEST(LineTextTest, TrimsTheByteOrderMarkOnlyAtTheStart) {
  EXPECT_EQ(TrimLyricText(L"\uFEFF\t \r words \t\r"), L"words");
  EXPECT_EQ(TrimLyricText(L"words\uFEFF"), L"words\uFEFF");
  EXPECT_EQ(TrimLyricText(L"\n words"), L"\n words");  // LF splits pieces; it is not trimmed
  EXPECT_EQ(TrimLyricText(L" \t "), L"");
}

TEST(LineTextTest, CuttingNeverSplitsACharacter) {
  std::wstring text(349, L'a');
  AppendCodePoint(text, U'\U0001F3B5');
  const std::wstring cut = CutToLength(text, kMaxShortLineLength);
  EXPECT_LE(cut.size(), kMaxShortLineLength);
  EXPECT_EQ(Utf8ToWide(WideToUtf8(cut)), cut);  // no lone surrogate
  EXPECT_GE(cut.size(), 349u);
  EXPECT_EQ(CutToLength(L"short", 350), L"short");
}

TEST(LineTextTest, PlainLinesAreCappedInNumber) {
  std::wstring text;
  for (int i = 0; i < 1005; ++i) text += L"line\n\n";
  EXPECT_EQ(ReadPlainLines(text, Headings::Keep).size(), kMaxPlainLines);
  EXPECT_EQ(ReadPlainLines(L"[x]\ny", Headings::Keep).size(), 2u);
  EXPECT_EQ(ReadPlainLines(L"[x]\ny", Headings::Drop).size(), 1u);
}

TEST(SheetKindTest, RanksAbsentPlainLineAndWordSheets) {
  EXPECT_EQ(KindOf(nullptr), SheetKind::None);
  Sheet sheet;
  EXPECT_EQ(KindOf(&sheet), SheetKind::None);
  sheet.plain = {L"p"};
  EXPECT_EQ(KindOf(&sheet), SheetKind::Plain);
  sheet.lines = {Line{0, L"a", 0, {}}, Line{1, L"b", 0, {}}};
  EXPECT_EQ(KindOf(&sheet), SheetKind::LineSynced);
  sheet.lines[1].words = {Word{1, 2, 0, 1}};
  EXPECT_EQ(KindOf(&sheet), SheetKind::WordSynced);
}

}  // namespace
}  // namespace notch::lyrics
