#include "search/windows_search_command.h"

#include <gtest/gtest.h>

namespace notch::quick {
namespace {

TEST(WindowsSearchCommandTest, EscapesLikePatternsAndQuotes) {
  EXPECT_EQ(EscapeForLike(L"it's 100%_[x]"), L"it''s 100[%][_][[]x[]]");
}

TEST(WindowsSearchCommandTest, AsksForEveryWordInNameOrPath) {
  EXPECT_EQ(WindowsSearchCommand(L"tax  o'neil"),
            L"SELECT TOP 60 System.ItemNameDisplay, System.ItemPathDisplay, System.ItemTypeText FROM SystemIndex "
            L"WHERE (System.ItemNameDisplay LIKE '%tax%' OR System.ItemPathDisplay LIKE '%tax%') AND "
            L"(System.ItemNameDisplay LIKE '%o''neil%' OR System.ItemPathDisplay LIKE '%o''neil%') AND "
            L"(System.FileExtension IS NULL OR System.FileExtension <> '.lnk') ORDER BY System.Search.Rank DESC, "
            L"System.DateModified DESC");
}

}  // namespace
}  // namespace notch::quick
