#include "activities/shelf_file.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch {
namespace {

using Paths = std::vector<std::wstring>;

TEST(ShelfFileTest, IsWrittenAsUtf8WithAMarkAndCrLfLines) {
  EXPECT_EQ(ShelfFileText({L"C:\\a.txt", L"D:\\b"}),
            "\xEF\xBB\xBF"
            "C:\\a.txt\r\nD:\\b\r\n");
  EXPECT_EQ(ShelfFileText({}), "\xEF\xBB\xBF");
}

TEST(ShelfFileTest, ReadsTheSameWithOrWithoutTheMarkAndWithLfOrCrLf) {
  const Paths expected = {L"C:\\a.txt", L"D:\\b"};
  EXPECT_EQ(ReadShelfFileText("\xEF\xBB\xBF"
                              "C:\\a.txt\r\nD:\\b\r\n"),
            expected);
  EXPECT_EQ(ReadShelfFileText("C:\\a.txt\nD:\\b\n"), expected);
  EXPECT_EQ(ReadShelfFileText("C:\\a.txt\r\r\nD:\\b\r\n"), expected);    // every trailing CR goes
  EXPECT_EQ(ReadShelfFileText("\n\r\nC:\\a.txt\n\n\nD:\\b"), expected);  // empty lines are skipped
}

TEST(ShelfFileTest, AFileCutMidLineKeepsWhatItHas) {
  // Reading keeps the cut line; whether it names a file decides the load.
  EXPECT_EQ(ReadShelfFileText("C:\\a.txt\r\nC:\\Users\\an"), (Paths{L"C:\\a.txt", L"C:\\Users\\an"}));
  EXPECT_EQ(ReadShelfFileText("\xEF\xBB"), (Paths{Utf8ToWide("\xEF\xBB")}));
  EXPECT_TRUE(ReadShelfFileText("").empty());
  EXPECT_TRUE(ReadShelfFileText("\xEF\xBB\xBF").empty());
}

TEST(ShelfFileTest, LinesNoPathCouldBeAreSkipped) {
  using namespace std::string_literals;
  EXPECT_EQ(ReadShelfFileText("C:\\a\0b\r\nC:\\c\r\n"s), Paths{L"C:\\c"});
}

TEST(ShelfFileTest, ALongPathIsReadWholeNotSplitIntoTwoEntries) {
  std::wstring path = L"C:\\";
  while (path.size() < 2000) path += L"pasta-com-nome-longo\\";
  path += L"arquivo.txt";
  const Paths written = {path, L"C:\\b.txt"};
  EXPECT_EQ(ReadShelfFileText(ShelfFileText(written)), written);
}

TEST(ShelfFileTest, NonAsciiPathsSurviveAWriteAndARead) {
  const Paths written = {L"C:\\Usu\u00E1rios\\Jo\u00E3o\\f\u00E9rias.jpg", L"D:\\\u4E2D\u6587\\\u6587\u4EF6.txt",
                         Utf8ToWide("E:\\\xF0\x9F\x93\x81\\notas.md")};
  const std::string text = ShelfFileText(written);
  EXPECT_NE(text.find("Usu\xC3\xA1rios"), std::string::npos);  // UTF-8 on disk
  EXPECT_EQ(ReadShelfFileText(text), written);
}

}  // namespace
}  // namespace notch
