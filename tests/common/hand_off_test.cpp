#include "common/hand_off.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace notch {
namespace {

std::vector<std::wstring> g_lines;
void Record(std::wstring_view line) { g_lines.emplace_back(line); }

TEST(HandOffTest, TheReceiverTakesEachRegisteredBlockOnce) {
  HandOff<std::wstring> hand_off;
  const std::uintptr_t first = hand_off.Register(std::make_unique<std::wstring>(L"C:\\a.zip"));
  const std::uintptr_t second = hand_off.Register(std::make_unique<std::wstring>(L"C:\\b.zip"));
  EXPECT_EQ(hand_off.outstanding(), 2u);
  const std::unique_ptr<std::wstring> taken = hand_off.Take(second);
  ASSERT_TRUE(taken);
  EXPECT_EQ(*taken, L"C:\\b.zip");
  EXPECT_FALSE(hand_off.Take(second));
  EXPECT_EQ(*hand_off.Take(first), L"C:\\a.zip");
  EXPECT_EQ(hand_off.outstanding(), 0u);
}

TEST(HandOffTest, AParameterThatNamesNoBlockIsIgnoredWithALogLine) {
  HandOff<std::wstring> hand_off;
  std::wstring block_on_the_stack = L"not ours";
  const DebugLogSink previous = SetDebugLogSink(Record);
  g_lines.clear();
  EXPECT_FALSE(hand_off.Receive(reinterpret_cast<std::uintptr_t>(&block_on_the_stack), 0x8005));
  EXPECT_FALSE(hand_off.Receive(0, 0x8005));
  EXPECT_FALSE(hand_off.Receive(0xDEADBEEF, 0x8002));
  SetDebugLogSink(previous);
  ASSERT_EQ(g_lines.size(), 3u);
  EXPECT_EQ(g_lines[2], L"hand-off: message 0x8002 with an unknown block DEADBEEF ignored");
  EXPECT_EQ(block_on_the_stack, L"not ours");
}

TEST(HandOffTest, ABlockWhosePostFailedIsTakenBackAndFreed) {
  HandOff<std::wstring> hand_off;
  std::uintptr_t posted = 0;
  EXPECT_FALSE(PostHandOff(hand_off, std::make_unique<std::wstring>(L"x"), [&](std::uintptr_t parameter) {
    posted = parameter;
    return false;
  }));
  EXPECT_EQ(hand_off.outstanding(), 0u);
  EXPECT_FALSE(hand_off.Take(posted));
  EXPECT_TRUE(PostHandOff(hand_off, std::make_unique<std::wstring>(L"y"), [&](std::uintptr_t parameter) {
    posted = parameter;
    return true;
  }));
  EXPECT_EQ(*hand_off.Receive(posted, 0x8005), L"y");
}

}  // namespace
}  // namespace notch
