#include "common/text_file.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(TextFileTest, RecognisesByteOrderMarks) {
  const auto utf16 =
      DecodeTextFile(std::string("\xFF\xFE"
                                 "a\0\xE9\0=\0",
                                 8));
  EXPECT_EQ(utf16.encoding, TextEncoding::Utf16LeWithMark);
  EXPECT_EQ(utf16.text, L"a\u00E9=");

  const auto utf8 = DecodeTextFile("\xEF\xBB\xBFk=\xC3\xA9");
  EXPECT_EQ(utf8.encoding, TextEncoding::Utf8WithMark);
  EXPECT_EQ(utf8.text, L"k=\u00E9");
}

TEST(TextFileTest, UnmarkedTextIsUtf8WhenValidElseWindows1252) {
  EXPECT_EQ(DecodeTextFile("caf\xC3\xA9").encoding, TextEncoding::Utf8);
  const auto ansi = DecodeTextFile("caf\xE9 \x80");
  EXPECT_EQ(ansi.encoding, TextEncoding::Ansi);
  EXPECT_EQ(ansi.text, L"caf\u00E9 \u20AC");
}

TEST(TextFileTest, EncodingRoundTripsKeepSupplementaryCharacters) {
  const std::wstring text = L"x=\u00E9\u20AC" + std::wstring(sizeof(wchar_t) == 2 ? L"\xD83D\xDE00" : L"\U0001F600");
  for (const auto encoding : {TextEncoding::Utf8, TextEncoding::Utf8WithMark, TextEncoding::Utf16LeWithMark}) {
    const auto decoded = DecodeTextFile(EncodeTextFile(text, encoding));
    EXPECT_EQ(decoded.text, text);
    EXPECT_EQ(decoded.encoding, encoding);
  }
  // The ANSI code page keeps what it can hold and marks the rest.
  EXPECT_EQ(EncodeTextFile(L"\u00E9\u20AC\u4E2D", TextEncoding::Ansi), "\xE9\x80?");
}

}  // namespace
}  // namespace notch
