#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "search/file_system.h"
#include "support/temp_folder.h"

namespace notch::quick {
namespace {

TEST(LocalDiskTest, ListsAndProbesARealFolder) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder.path() / "Sub Folder");
  std::ofstream(folder.path() / "notes.txt") << "x";
  const std::wstring root = folder.path().wstring();

  std::vector<DirectoryEntry> entries;
  ASSERT_TRUE(LocalDisk().List(root, entries));
  std::vector<std::wstring> names;
  for (const DirectoryEntry& entry : entries) {
    if (entry.name == L"." || entry.name == L"..") continue;
    names.push_back(entry.name);
    EXPECT_EQ(entry.is_folder, entry.name == L"Sub Folder") << entry.name;
    EXPECT_EQ(entry.is_regular_file, entry.name == L"notes.txt") << entry.name;
    EXPECT_FALSE(entry.is_reparse_point);
  }
  EXPECT_THAT(names, ::testing::UnorderedElementsAre(L"Sub Folder", L"notes.txt"));

  EXPECT_EQ(LocalDisk().Probe(JoinPath(root, L"notes.txt")), PathKind::File);
  EXPECT_EQ(LocalDisk().Probe(JoinPath(root, L"Sub Folder")), PathKind::Folder);
  EXPECT_EQ(LocalDisk().Probe(JoinPath(root, L"missing")), std::nullopt);
  entries.clear();
  EXPECT_FALSE(LocalDisk().List(JoinPath(root, L"missing"), entries));
}

}  // namespace
}  // namespace notch::quick
