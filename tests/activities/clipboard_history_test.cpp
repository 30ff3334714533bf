#include "activities/clipboard_history.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

std::vector<std::wstring> Texts(const ClipboardHistory& history) {
  std::vector<std::wstring> texts;
  for (std::size_t i = 0; i < history.size(); ++i) texts.push_back(history[i].text);
  return texts;
}

TEST(ClipboardHistoryTest, KeepsTrimmedTextsNewestFirstWithoutDuplicates) {
  ClipboardHistory history;
  EXPECT_TRUE(history.Add(L"  \tfirst\r\n"));
  EXPECT_TRUE(history.Add(L"second"));
  EXPECT_TRUE(history.Add(L"first\n"));  // moves to the front
  EXPECT_EQ(Texts(history), (std::vector<std::wstring>{L"first", L"second"}));
  EXPECT_FALSE(history.Add(L" first "));  // already the newest
  EXPECT_TRUE(history.Add(L"First"));     // case counts
  EXPECT_EQ(Texts(history), (std::vector<std::wstring>{L"First", L"first", L"second"}));
}

TEST(ClipboardHistoryTest, WhitespaceAloneAddsNothing) {
  ClipboardHistory history;
  EXPECT_FALSE(history.Add(L" \t\r\n "));
  EXPECT_FALSE(history.Add(L""));
  EXPECT_TRUE(history.empty());
  // Only the ends are trimmed.
  EXPECT_TRUE(history.Add(L" a \n b "));
  EXPECT_EQ(history[0].text, L"a \n b");
}

TEST(ClipboardHistoryTest, TheThirteenthDistinctCopyDropsTheOldest) {
  ClipboardHistory history;
  for (int i = 1; i <= 13; ++i) history.Add(L"text " + std::to_wstring(i));
  ASSERT_EQ(history.size(), kClipboardHistoryCap);
  EXPECT_EQ(history[0].text, L"text 13");
  EXPECT_EQ(history[11].text, L"text 2");
  EXPECT_EQ(history.Find(L"text 1"), -1);
  // A duplicate does not push anything out.
  history.Add(L"text 2");
  EXPECT_EQ(history.size(), kClipboardHistoryCap);
  EXPECT_EQ(history[0].text, L"text 2");
  EXPECT_EQ(history[11].text, L"text 3");
}

TEST(ClipboardHistoryTest, ALongTextIsCutBeforeItIsTrimmed) {
  // Leading spaces count towards the limit: the cut comes first.
  const std::wstring copied = L"   " + std::wstring(kClipboardTextLimit, L'a') + L"tail";
  EXPECT_EQ(ClipboardEntryText(copied), std::wstring(kClipboardTextLimit - 3, L'a'));
  // Spaces that only the cut brings to the end are trimmed too.
  const std::wstring spaced = std::wstring(kClipboardTextLimit - 2, L'b') + L"  cut";
  EXPECT_EQ(ClipboardEntryText(spaced), std::wstring(kClipboardTextLimit - 2, L'b'));
  EXPECT_EQ(ClipboardEntryText(std::wstring(kClipboardTextLimit, L'c')).size(), kClipboardTextLimit);
}

TEST(ClipboardHistoryTest, TheCutNeverSplitsASurrogatePair) {
  if constexpr (sizeof(wchar_t) != 2) GTEST_SKIP() << "surrogate pairs exist with 16-bit wchar_t only";
  std::wstring copied(kClipboardTextLimit - 1, L'a');
  copied += static_cast<wchar_t>(0xD83D);
  copied += static_cast<wchar_t>(0xDE00);
  EXPECT_EQ(ClipboardEntryText(copied).size(), kClipboardTextLimit - 1);
}

TEST(ClipboardHistoryTest, RowsShowOneShortLine) {
  EXPECT_EQ(ClipboardRowText(L"a\r\nb\tc"), L"a  b c");
  const std::wstring row = ClipboardRowText(std::wstring(5000, L'x'));
  EXPECT_EQ(row.size(), kClipboardRowLimit);
  ClipboardHistory history;
  history.Add(L"line one\nline two");
  EXPECT_EQ(history[0].row, L"line one line two");
  EXPECT_EQ(history[0].text, L"line one\nline two");
}

TEST(ClipboardHistoryTest, ClearEmptiesTheHistory) {
  ClipboardHistory history;
  EXPECT_FALSE(history.Clear());
  history.Add(L"x");
  EXPECT_TRUE(history.Clear());
  EXPECT_TRUE(history.empty());
}

}  // namespace
}  // namespace notch
