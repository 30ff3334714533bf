#include "search/file_arena.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch::quick {
namespace {

TEST(FileArenaTest, ReadsBackNonAsciiPathsInBothForms) {
  FileArena arena;
  ASSERT_TRUE(arena.Add(L"C:\\Users\\José\\Relatório Ñandú.DOCX", false, 70));
  ASSERT_TRUE(arena.Add(L"D:\\Проекты\\Мой.Проект", true, 90));
  ASSERT_TRUE(arena.Add(L"D:\\emoji \U0001F600\\.bashrc", false, 0));
  ASSERT_EQ(arena.size(), 3u);

  const FileEntry file = arena.Entry(0);
  EXPECT_EQ(Utf8ToWide(file.path), L"C:\\Users\\José\\Relatório Ñandú.DOCX");
  EXPECT_EQ(Utf8ToWide(file.lower_path), L"c:\\users\\josé\\relatório ñandú.docx");
  EXPECT_EQ(Utf8ToWide(file.lower_name), L"relatório ñandú.docx");
  EXPECT_EQ(Utf8ToWide(file.lower_stem), L"relatório ñandú");
  EXPECT_EQ(file.bonus, 70);
  EXPECT_FALSE(file.is_folder);

  const FileEntry folder = arena.Entry(1);
  EXPECT_EQ(Utf8ToWide(folder.lower_name), L"мой.проект");
  EXPECT_EQ(Utf8ToWide(folder.lower_stem), L"мой");
  EXPECT_TRUE(folder.is_folder);

  const FileEntry hidden = arena.Entry(2);
  EXPECT_EQ(Utf8ToWide(hidden.path), L"D:\\emoji \U0001F600\\.bashrc");
  EXPECT_EQ(hidden.lower_name, ".bashrc");
  EXPECT_EQ(hidden.lower_stem, "");
}

TEST(FileArenaTest, ADotInAFolderNameIsNoExtension) {
  FileArena arena;
  ASSERT_TRUE(arena.Add(L"D:\\v1.2\\readme", false, 0));
  EXPECT_EQ(arena.Entry(0).lower_stem, "readme");
}

TEST(FileArenaTest, HoldsAtMostTheIndexCap) {
  FileArena arena;
  for (std::size_t i = 0; i < kMaxIndexedFiles; ++i) ASSERT_TRUE(arena.Add(L"D:\\f" + std::to_wstring(i), false, 0));
  EXPECT_FALSE(arena.Add(L"D:\\one-too-many", false, 0));
  arena.ShrinkToFit();
  EXPECT_EQ(arena.size(), kMaxIndexedFiles);
  EXPECT_EQ(arena.Entry(kMaxIndexedFiles - 1).path, "D:\\f17999");
}

TEST(FileArenaTest, RefusesAPathTooLongForARecord) {
  FileArena arena;
  EXPECT_FALSE(arena.Add(L"D:\\" + std::wstring(70000, L'x'), false, 0));
  EXPECT_TRUE(arena.Add(L"D:\\short", false, 0));
  EXPECT_EQ(arena.Entry(0).path, "D:\\short");
}

}  // namespace
}  // namespace notch::quick
