#include "search/index_roots.h"

#include <gtest/gtest.h>

namespace notch::quick {
namespace {

TEST(IndexRootsTest, GivesEachRootItsDepthOnce) {
  SearchFolders folders;
  folders.desktop = L"C:\\Users\\ana\\Desktop";
  folders.documents = L"D:\\Docs";
  folders.downloads = L"C:\\Users\\ana\\Downloads";
  folders.pictures = L"C:\\Users\\ana\\Pictures";
  folders.videos = L"";                          // not reported
  folders.music = L"c:\\users\\ANA\\desktop\\";  // redirected onto the Desktop
  folders.profile = L"C:\\Users\\ana";
  folders.fixed_drives = {L"C:\\", L"D:\\", L"d:\\"};
  const std::vector<WalkRoot> roots = FileIndexRoots(folders);
  const std::vector<std::pair<std::wstring, int>> expected = {{L"C:\\Users\\ana\\Desktop", 7},
                                                              {L"D:\\Docs", 7},
                                                              {L"C:\\Users\\ana\\Downloads", 7},
                                                              {L"C:\\Users\\ana\\Pictures", 5},
                                                              {L"C:\\Users\\ana", 4},
                                                              {L"C:\\", 4},
                                                              {L"D:\\", 6}};
  ASSERT_EQ(roots.size(), expected.size());
  for (std::size_t i = 0; i < roots.size(); ++i) {
    EXPECT_EQ(roots[i].path, expected[i].first);
    EXPECT_EQ(roots[i].max_depth, expected[i].second);
  }
}

}  // namespace
}  // namespace notch::quick
