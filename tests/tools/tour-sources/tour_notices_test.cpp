#include "tour-sources/tour_notices.h"

#include <gtest/gtest.h>

#include <cstring>

namespace notch::tour {
namespace {

TEST(TourNoticesTest, ASlotCarriesTheThreeTextsAndCutsLongOnes) {
  TourNoticeSlot slot;
  std::memset(&slot, 0x41, sizeof slot);  // an earlier, longer notice's leftovers
  WriteNoticeSlot(slot, {L"Mail", L"Lunch?", L""});
  EXPECT_EQ(ReadNoticeSlot(slot), (TourNotice{L"Mail", L"Lunch?", L""}));

  const std::wstring long_body(2000, L'b');
  WriteNoticeSlot(slot, {std::wstring(100, L'a'), L"t", long_body});
  const TourNotice read = ReadNoticeSlot(slot);
  EXPECT_EQ(read.app, std::wstring(63, L'a'));
  EXPECT_EQ(read.body, std::wstring(511, L'b'));
}

TEST(TourNoticesTest, ACutNeverKeepsHalfASurrogatePair) {
  TourNoticeSlot slot{};
  // 62 letters, then a pair whose second half would fall past the field.
  std::wstring app(62, L'a');
  app += static_cast<wchar_t>(0xD83D);
  app += static_cast<wchar_t>(0xDE00);
  WriteNoticeSlot(slot, {app, L"t", L"b"});
  EXPECT_EQ(ReadNoticeSlot(slot).app, std::wstring(62, L'a'));
}

TEST(TourNoticesTest, AnUnterminatedSlotIsReadOnlyToItsFieldsEnds) {
  TourNoticeSlot slot;
  std::fill(std::begin(slot.app), std::end(slot.app), L'x');
  std::fill(std::begin(slot.title), std::end(slot.title), L'y');
  std::fill(std::begin(slot.body), std::end(slot.body), L'z');
  const TourNotice read = ReadNoticeSlot(slot);
  EXPECT_EQ(read.app, std::wstring(64, L'x'));
  EXPECT_EQ(read.title, std::wstring(128, L'y'));
  EXPECT_EQ(read.body, std::wstring(512, L'z'));
}

TEST(TourNoticesTest, TheListGivesTheListenerNewestLastWithFreshIds) {
  TourToastList list;
  EXPECT_TRUE(list.Entries().empty());
  list.Add({L"Mail", L"Lunch?", L"At noon"});
  list.Add({L"Chat", L"Hi", L""});
  const std::vector<ToastEntry> entries = list.Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_NE(entries[0].id, entries[1].id);
  EXPECT_LT(entries[0].creation_time, entries[1].creation_time);
  const std::unordered_set<std::uint32_t> seen = {entries[0].id};
  EXPECT_EQ(NewestUnseenToast(entries, seen), 1);

  const ToastContent mail = list.Content(0);
  EXPECT_EQ(mail.app_name, L"Mail");
  EXPECT_EQ(mail.texts, (std::vector<std::wstring>{L"Lunch?", L"At noon"}));
  const NotificationBlock block = BuildNotificationBlock(list.Content(0));
  EXPECT_EQ(block.strings[NotificationBlock::kAppName], L"Mail");
  EXPECT_EQ(block.strings[NotificationBlock::kTitle], L"Lunch?");
  EXPECT_EQ(block.strings[NotificationBlock::kBody], L"At noon");
  EXPECT_EQ(list.Content(1).texts, (std::vector<std::wstring>{L"Hi"}));
  EXPECT_THROW(list.Content(2), NotificationSourceError);
}

TEST(TourNoticesTest, TheListKeepsTheNewestAndNeverReusesAnId) {
  TourToastList list;
  for (int i = 0; i < static_cast<int>(kTourToastLimit) + 5; ++i) list.Add({L"App", std::to_wstring(i), L""});
  const std::vector<ToastEntry> entries = list.Entries();
  ASSERT_EQ(entries.size(), kTourToastLimit);
  EXPECT_EQ(list.Content(0).texts.front(), L"5");
  EXPECT_EQ(list.Content(kTourToastLimit - 1).texts.front(), std::to_wstring(kTourToastLimit + 4));
  EXPECT_EQ(entries.front().id, 6u);
  EXPECT_EQ(entries.back().id, static_cast<std::uint32_t>(kTourToastLimit + 5));
}

}  // namespace
}  // namespace notch::tour
