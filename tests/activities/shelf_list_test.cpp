#include "activities/shelf_list.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(ShelfListTest, APathIsListedOnceComparedExactly) {
  ShelfList list;
  EXPECT_TRUE(list.Add(L"C:\\a.txt"));
  EXPECT_FALSE(list.Add(L"C:\\a.txt"));
  EXPECT_TRUE(list.Add(L"C:\\A.txt"));  // another case is another entry
  EXPECT_FALSE(list.Add(L""));
  EXPECT_EQ(list.entries(), (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\A.txt"}));
}

TEST(ShelfListTest, ThirtyFilesAtOnceKeepTheLastTwentyFour) {
  ShelfList list;
  for (int i = 0; i < 30; ++i) list.Add(L"C:\\f" + std::to_wstring(i));
  ASSERT_EQ(list.size(), kShelfCapacity);
  EXPECT_EQ(list.entries().front(), L"C:\\f6");
  EXPECT_EQ(list.entries().back(), L"C:\\f29");
  // An entry dropped for room may come back, as the newest.
  EXPECT_TRUE(list.Add(L"C:\\f0"));
  EXPECT_EQ(list.entries().front(), L"C:\\f7");
  EXPECT_EQ(list.entries().back(), L"C:\\f0");
}

TEST(ShelfListTest, EntriesAreFoundAndRemovedByPlace) {
  ShelfList list;
  list.Add(L"C:\\a");
  list.Add(L"C:\\b");
  ASSERT_NE(list.At(1), nullptr);
  EXPECT_EQ(*list.At(1), L"C:\\b");
  EXPECT_EQ(list.At(2), nullptr);
  EXPECT_EQ(list.At(-1), nullptr);
  EXPECT_TRUE(list.Remove(L"C:\\a"));
  EXPECT_FALSE(list.Remove(L"C:\\a"));
  EXPECT_EQ(list.entries(), std::vector<std::wstring>{L"C:\\b"});
}

}  // namespace
}  // namespace notch
