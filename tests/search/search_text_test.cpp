#include "search/search_text.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch::quick {
namespace {

std::size_t Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

TEST(SearchTextTest, LowerCasingKeepsEveryCodePointsEncodedLength) {
  // The file index addresses both of its arenas with one offset and length.
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    ASSERT_EQ(Utf8Length(ToLowerCodePoint(c)), Utf8Length(c)) << std::hex << static_cast<unsigned>(c);
  }
}

TEST(SearchTextTest, LowerCasesLatinGreekAndCyrillicCapitals) {
  EXPECT_EQ(ToLower(L"ÀÉÎÕÜ Ç Ñ Ÿ Ł Ž Ő"), L"àéîõü ç ñ ÿ ł ž ő");
  EXPECT_EQ(ToLower(L"ΑΒΓ Ω ЖЁЯ"), L"αβγ ω жёя");
  EXPECT_EQ(ToLower(L"× ÷ ß İ"), L"× ÷ ß İ");  // no small form of the same length
  EXPECT_EQ(ToLower(L"Report 2024.PDF"), L"report 2024.pdf");
}

TEST(SearchTextTest, TrimsAndSplitsAtAnyWhiteSpace) {
  EXPECT_EQ(Trim(L" \t\u00A0 lofi  yt\u3000\n"), L"lofi  yt");
  EXPECT_EQ(Trim(L"   "), L"");
  const std::vector<std::wstring_view> words = SplitWords(L"  what is\t\u2003ttml ");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0], L"what");
  EXPECT_EQ(words[2], L"ttml");
}

TEST(SearchTextTest, PercentEncodesUtf8BytesInUpperCaseHex) {
  EXPECT_EQ(PercentEncode(L"a-b_c.d~e"), L"a-b_c.d~e");
  EXPECT_EQ(PercentEncode(L"what is ttml?"), L"what%20is%20ttml%3F");
  EXPECT_EQ(PercentEncode(L"café & ☕"), L"caf%C3%A9%20%26%20%E2%98%95");
  EXPECT_EQ(PercentEncode(L"\U0001F600"), L"%F0%9F%98%80");
}

TEST(SearchTextTest, CountsCodePointsAlikeInBothEncodings) {
  const std::wstring text = L"a\u00E9\U0001F600";
  EXPECT_EQ(CodePointCount(std::wstring_view(text)), 3u);
  EXPECT_EQ(CodePointCount(std::string_view(WideToUtf8(text))), 3u);
}

}  // namespace
}  // namespace notch::quick
