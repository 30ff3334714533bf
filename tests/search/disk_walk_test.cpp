#include "search/disk_walk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_disk.h"

namespace notch::quick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

constexpr WalkLimits kGenerous{1000, 1000};

class DiskWalkTest : public ::testing::Test {
 protected:
  std::vector<std::wstring> Walk(std::vector<WalkRoot> roots, WalkLimits limits = kGenerous) {
    std::vector<std::wstring> seen;
    WalkDisk(disk_, roots, limits, clock_, cancel_, [&](const WalkedEntry& entry) {
      seen.push_back(entry.path);
      // The walk joins names with backslashes: the name is what follows the last.
      EXPECT_EQ(entry.name_start, entry.path.rfind(L'\\') + 1) << entry.path;
    });
    return seen;
  }

  testing::FakeDisk disk_;
  ManualClock clock_{1000};
  std::atomic<bool> cancel_{false};
};

TEST_F(DiskWalkTest, LeavesOutHiddenBuildAndSystemFolders) {
  disk_.AddFile(L"D:\\w\\.git\\config");
  disk_.AddFile(L"D:\\w\\build.dir\\out.txt");
  disk_.AddFile(L"D:\\w\\.github\\workflows.yml");
  disk_.AddFile(L"D:\\w\\node_modules\\left-pad\\index.js");
  disk_.AddFile(L"D:\\w\\Windows\\notepad.exe");
  disk_.AddFile(L"D:\\w\\src\\main.cpp");
  EXPECT_THAT(Walk({{L"D:\\w", 6}}), UnorderedElementsAre(L"D:\\w\\.github", L"D:\\w\\.github\\workflows.yml",
                                                          L"D:\\w\\src", L"D:\\w\\src\\main.cpp"));
}

TEST_F(DiskWalkTest, LeavesOutBuildFilesShortcutsAndSkippedPathParts) {
  disk_.AddFile(L"D:\\w\\app.pdb");
  disk_.AddFile(L"D:\\w\\APP.OBJ");
  disk_.AddFile(L"D:\\w\\crash.dmp");
  disk_.AddFile(L"D:\\w\\Notepad.lnk");
  disk_.AddFile(L"D:\\w\\notes.txt");
  disk_.AddFile(L"D:\\u\\AppData\\Local\\Temp\\x.txt");  // found through a root inside AppData
  EXPECT_THAT(Walk({{L"D:\\w", 6}, {L"D:\\u\\AppData\\Local", 6}}),
              UnorderedElementsAre(L"D:\\w\\notes.txt", L"D:\\u\\AppData\\Local\\temp"));
}

TEST_F(DiskWalkTest, StopsAtTheRootsDepth) {
  disk_.AddFile(L"D:\\a\\b\\c\\deep.txt");
  EXPECT_THAT(Walk({{L"D:\\a", 2}}), ElementsAre(L"D:\\a\\b", L"D:\\a\\b\\c"));
  EXPECT_THAT(Walk({{L"D:\\a", 3}}), ElementsAre(L"D:\\a\\b", L"D:\\a\\b\\c", L"D:\\a\\b\\c\\deep.txt"));
}

TEST_F(DiskWalkTest, ListsEachFolderOnceWhereRootsOverlap) {
  disk_.AddFile(L"C:\\Users\\ana\\Desktop\\todo.txt");
  disk_.AddFile(L"C:\\Users\\ana\\notes.txt");
  const std::vector<std::wstring> seen =
      Walk({{L"C:\\Users\\ana\\Desktop", 7}, {L"c:\\users\\ANA\\", 4}, {L"C:\\", 4}});
  EXPECT_THAT(seen, UnorderedElementsAre(L"C:\\Users\\ana\\Desktop\\todo.txt", L"c:\\users\\ANA\\desktop",
                                         L"c:\\users\\ANA\\notes.txt", L"C:\\users", L"C:\\users\\ana"));
}

TEST_F(DiskWalkTest, NeverEntersFolderLinks) {
  disk_.AddFolderLink(L"D:\\w\\loop");
  disk_.AddFile(L"D:\\w\\loop\\inside.txt");
  EXPECT_THAT(Walk({{L"D:\\w", 6}}), ElementsAre(L"D:\\w\\loop"));
}

TEST_F(DiskWalkTest, SkipsFoldersThatCannotBeRead) {
  disk_.AddFile(L"D:\\w\\private\\secret.txt");
  disk_.AddFile(L"D:\\w\\public.txt");
  disk_.Lock(L"D:\\w\\private");
  EXPECT_THAT(Walk({{L"D:\\w", 6}, {L"D:\\missing", 6}}),
              UnorderedElementsAre(L"D:\\w\\private", L"D:\\w\\public.txt"));
}

TEST_F(DiskWalkTest, CountsSkippedEntriesTowardsTheLimit) {
  disk_.AddFile(L"D:\\w\\a.pdb");
  disk_.AddFile(L"D:\\w\\b.pdb");
  disk_.AddFile(L"D:\\w\\c.txt");
  disk_.AddFile(L"D:\\w\\d.txt");
  EXPECT_THAT(Walk({{L"D:\\w", 6}}, {3, 1000}), ElementsAre(L"D:\\w\\c.txt"));
}

TEST_F(DiskWalkTest, StopsAtTheDeadline) {
  for (int i = 0; i < 5; ++i) disk_.AddFile(L"D:\\w\\f" + std::to_wstring(i) + L"\\x.txt");
  disk_.on_list = [&] { clock_.Advance(100); };
  // Each listing takes 100 ms: the root's and f0's end before the 250 ms deadline, f1's after it.
  const std::vector<std::wstring> seen = Walk({{L"D:\\w", 6}}, {1000, 250});
  EXPECT_EQ(seen.size(), 6u);  // five folders and f0's file
  EXPECT_EQ(seen.back(), L"D:\\w\\f0\\x.txt");
}

TEST_F(DiskWalkTest, StopsWhenCancelled) {
  disk_.AddFile(L"D:\\w\\a.txt");
  disk_.AddFile(L"D:\\w\\b.txt");
  std::vector<std::wstring> seen;
  WalkDisk(disk_, std::vector<WalkRoot>{{L"D:\\w", 6}}, kGenerous, clock_, cancel_, [&](const WalkedEntry& entry) {
    seen.push_back(entry.path);
    cancel_ = true;
  });
  EXPECT_THAT(seen, ElementsAre(L"D:\\w\\a.txt"));
  EXPECT_THAT(Walk({{L"D:\\w", 6}}), IsEmpty());
}

}  // namespace
}  // namespace notch::quick
