#include "search/search_result.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace notch::quick {
namespace {

SearchResult Row(int score, int serial) {
  SearchResult row;
  row.title = L"row " + std::to_wstring(serial);
  row.score = score;
  return row;
}

// Ranking permutes the rows in place; it must give what a stable sort by
// score gives, for any mix of ties and lengths, and leave every row whole.
TEST(RankResultsTest, OrdersLikeAStableSortByScore) {
  std::vector<std::uint32_t> order;
  unsigned seed = 7;
  for (int length = 0; length <= 40; ++length) {
    for (int round = 0; round < 8; ++round) {
      std::vector<SearchResult> rows;
      for (int i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        // Few distinct scores, so most rows tie with others.
        rows.push_back(Row(static_cast<int>((seed >> 16) % (1 + round)) * 100, i));
      }
      std::vector<SearchResult> expected = rows;
      std::stable_sort(expected.begin(), expected.end(),
                       [](const SearchResult& a, const SearchResult& b) { return a.score > b.score; });
      RankResults(rows, order);
      ASSERT_EQ(rows, expected) << "length " << length << " round " << round;
    }
  }
  std::vector<SearchResult> rows = {Row(1, 0), Row(3, 1), Row(2, 2), Row(3, 3)};
  RankResults(rows);
  EXPECT_EQ(rows[0].title, L"row 1");
  EXPECT_EQ(rows[1].title, L"row 3");
  EXPECT_EQ(rows[2].title, L"row 2");
  EXPECT_EQ(rows[3].title, L"row 0");
}

TEST(ResultRowsTest, ARowAddedAfterClearHoldsNothingOfItsLastUse) {
  ResultRows rows;
  SearchResult& first = rows.Add();
  first = SearchResult{ResultKind::Calc, L"= 4", L"Copy answer", L"4", L"--flag", 0xE8EF, 2400};
  SearchResult& second = rows.Add();
  second.title = L"kept";
  ASSERT_EQ(rows.size(), 2u);

  rows.Clear();
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(rows.Add(), SearchResult{});
  rows.DropLast();
  EXPECT_TRUE(rows.rows().empty());

  SearchResult& again = rows.Add();
  again.title = L"new";
  ASSERT_EQ(rows.rows().size(), 1u);
  EXPECT_EQ(rows.rows()[0].title, L"new");
}

TEST(ResultRowsTest, RanksOnlyTheRowsInUse) {
  ResultRows rows;
  for (int score : {5, 9, 7}) rows.Add().score = score;
  rows.Clear();
  rows.Add().score = 1;
  rows.Add().score = 2;
  rows.Rank();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows.rows()[0].score, 2);
  EXPECT_EQ(rows.rows()[1].score, 1);
}

}  // namespace
}  // namespace notch::quick
