#include "common/text.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(TextTest, RoundTripsEveryPlane) {
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a é € 😀 z
  const std::wstring wide = Utf8ToWide(utf8);
  // One unit per character, except 😀, which is a surrogate pair in UTF-16.
  EXPECT_EQ(wide.size(), sizeof(wchar_t) == 2 ? 6u : 5u);
  EXPECT_EQ(WideToUtf8(wide), utf8);

  std::size_t index = 0;
  std::vector<char32_t> code_points;
  while (index < wide.size()) code_points.push_back(NextCodePoint(wide, index));
  EXPECT_EQ(code_points, (std::vector<char32_t>{U'a', U'é', U'€', U'\U0001F600', U'z'}));
}

TEST(TextTest, MalformedUtf8BecomesReplacementCharacters) {
  // Overlong slash, a lone continuation byte, a truncated sequence, an
  // encoded surrogate and a value above U+10FFFF.
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), L"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("x\x80y"), L"x\uFFFDy");
  EXPECT_EQ(Utf8ToWide("\xE2\x82"), L"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xF4\x90\x80\x80"), L"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD ok"));  // a genuine U+FFFD
}

// ASCII is read eight bytes at a time: a character or a bad byte at any
// place in or after such a block must still be decoded and checked.
TEST(TextTest, NonAsciiIsFoundAtEveryOffsetOfALongAsciiText) {
  for (std::size_t at = 0; at <= 19; ++at) {
    const std::string before(at, 'a');
    const std::string after(19 - at, 'z');
    EXPECT_EQ(Utf8ToWide(before + "\xC3\xA9" + after), Utf8ToWide(before) + L"\u00E9" + Utf8ToWide(after)) << at;
    EXPECT_TRUE(IsValidUtf8(before + "\xE2\x82\xAC" + after)) << at;
    EXPECT_FALSE(IsValidUtf8(before + "\x80" + after)) << at;
    EXPECT_FALSE(IsValidUtf8(before + "\xC3")) << at;
    EXPECT_EQ(Utf8ToWide(before + "\xFF" + after), Utf8ToWide(before) + L"\uFFFD" + Utf8ToWide(after)) << at;
  }
  EXPECT_EQ(Utf8ToWide(std::string(17, 'q')), std::wstring(17, L'q'));
  EXPECT_TRUE(IsValidUtf8(std::string(16, '~')));
}

TEST(TextTest, LoneSurrogatesAreReplacedOnTheWayOut) {
  std::wstring wide = L"a";
  wide.push_back(static_cast<wchar_t>(0xD800));
  wide += L"b";
  EXPECT_EQ(WideToUtf8(wide),
            "a\xEF\xBF\xBD"
            "b");
  std::wstring appended;
  AppendCodePoint(appended, 0xDC00);
  EXPECT_EQ(appended, L"\uFFFD");
}

TEST(TextTest, WideTextIsValidOnlyWithoutLoneSurrogates) {
  EXPECT_TRUE(IsValidWide(Utf8ToWide("a\xF0\x9F\x98\x80\xEF\xBF\xBD")));  // 😀 and a genuine U+FFFD
  for (const wchar_t unit : {static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDC00)}) {
    std::wstring text = L"a";
    text.push_back(unit);
    EXPECT_FALSE(IsValidWide(text));
    EXPECT_FALSE(IsValidWide(text + L"b"));
  }
}

TEST(TextTest, Utf16LengthCountsAPairForEachAstralCharacter) {
  EXPECT_EQ(Utf16Length(Utf8ToWide("a\xC3\xA9\xF0\x9F\x98\x80")), 4u);  // a é 😀
  EXPECT_EQ(Utf16Length(L""), 0u);
}

TEST(TextTest, AsciiCaseFoldingOnly) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase(L"Notch", L"nOTCH"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase(L"Notch", L"Notc"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase(L"\u00C9", L"\u00E9"));
}

}  // namespace
}  // namespace notch
