#include "common/ini_file_store.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "support/temp_folder.h"

namespace notch {
namespace {

TEST(IniFileStoreTest, MissingFileGivesDefaultsAndFirstWriteCreatesAUnicodeFile) {
  testing::TempFolder folder;
  const auto path = folder.path() / "settings.ini";
  IniFileStore store(path);
  EXPECT_EQ(store.Read(L"Notch", L"search_browser", L"none"), L"none");

  ASSERT_TRUE(store.Write(L"Notch", L"search_browser_name", L"Navegador \u00C9\u4E2D"));
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(store.Read(L"Notch", L"search_browser_name", L""), L"Navegador \u00C9\u4E2D");
}

TEST(IniFileStoreTest, WritingKeepsTheFileEncodingAndOtherLines) {
  testing::TempFolder folder;
  const auto path = folder.path() / "settings.ini";
  ASSERT_TRUE(ReplaceFileBytes(path, "[Notch]\nidioma=pt\n; mine\n"));
  IniFileStore store(path);
  ASSERT_TRUE(store.Write(L"Notch", L"lyrics", L"0"));
  EXPECT_EQ(*ReadFileBytes(path), "[Notch]\r\nidioma=pt\r\nlyrics=0\r\n; mine\r\n");
  EXPECT_EQ(store.Read(L"notch", L"IDIOMA", L"en"), L"pt");
}

TEST(IniFileStoreTest, AFolderInPlaceOfTheFileIsNeverReplaced) {
  testing::TempFolder folder;
  const auto path = folder.path() / "settings.ini";
  std::filesystem::create_directory(path);
  IniFileStore store(path);
  EXPECT_EQ(store.Read(L"Notch", L"lyrics", L"1"), L"1");
  EXPECT_FALSE(store.Write(L"Notch", L"lyrics", L"0"));
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace notch
