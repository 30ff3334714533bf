#include "idle-probe/idle_tally.h"

#include <gtest/gtest.h>

namespace notch::idle {
namespace {

constexpr unsigned kFrame = 0x8001;
constexpr unsigned kFadeFrame = 0x8002;
constexpr unsigned kMediaUpdate = 0x8002;

TEST(IdleTallyTest, FramesAreCountedPerWindowClassNotByMessageNumberAlone) {
  // 0x8002 is the panel's fade frame but the island's media update; 0x8001
  // is the island's frame but the panel's finished task.
  const std::vector<MessageCount> before = {{"ShellIlha", kFrame, 0, 100}, {"ShellIlha", kMediaUpdate, 0, 7}};
  const std::vector<MessageCount> after = {{"ShellIlha", kFrame, 0, 130},
                                           {"ShellIlha", kMediaUpdate, 0, 9},
                                           {"TemboNotchQuickControls", kFadeFrame, 0, 11},
                                           {"TemboNotchQuickControls", 0x8001, 0, 4}};
  const IdleTally tally = Tally(before, after);
  EXPECT_EQ(tally.island_frames, 30u);
  EXPECT_EQ(tally.panel_frames, 11u);  // counted from zero: first seen after the start
  EXPECT_EQ(tally.all_messages, 30u + 2u + 11u + 4u);
  EXPECT_EQ(tally.moved.at("ShellIlha/0x8002"), 2u);
}

TEST(IdleTallyTest, OnlyTheHostsOwnTimerIsLeftOutOfTheOtherTimers) {
  const std::vector<MessageCount> before = {{"StandaloneTemboNotchHost", kTimerMessage, 1, 50},
                                            {"ShellIlha", kTimerMessage, 104, 3}};
  const std::vector<MessageCount> after = {{"StandaloneTemboNotchHost", kTimerMessage, 1, 250},
                                           {"StandaloneTemboNotchHost", kTimerMessage, 2, 5},  // another host timer
                                           {"ShellIlha", kTimerMessage, 104, 3},               // did not fire
                                           {"ShellIlha", kTimerMessage, 108, 6}};
  const IdleTally tally = Tally(before, after);
  EXPECT_EQ(tally.host_timer, 200u);
  EXPECT_EQ(tally.other_timers, 11u);
  const std::map<std::string, std::uint64_t> expected = {{"ShellIlha/108", 6u}, {"StandaloneTemboNotchHost/2", 5u}};
  EXPECT_EQ(tally.other_timers_by_source, expected);
  EXPECT_EQ(tally.island_frames, 0u);
}

TEST(IdleTallyTest, ACounterThatWentBackwardsAddsNothing) {
  const std::vector<MessageCount> before = {{"ShellIlha", kFrame, 0, 500}};
  const std::vector<MessageCount> after = {{"ShellIlha", kFrame, 0, 20}};
  const IdleTally tally = Tally(before, after);
  EXPECT_EQ(tally.island_frames, 0u);
  EXPECT_EQ(tally.all_messages, 0u);
  EXPECT_TRUE(tally.moved.empty());
}

TEST(IdleTallyTest, MessageNumbersPrintAsFourHexDigits) {
  EXPECT_EQ(HexMessage(0x113), "0x0113");
  EXPECT_EQ(HexMessage(0xC0DE), "0xc0de");
}

}  // namespace
}  // namespace notch::idle
