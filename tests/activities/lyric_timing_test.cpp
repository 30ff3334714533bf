#include "activities/lyric_timing.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

lyrics::Sheet SheetOf(std::initializer_list<lyrics::Line> lines) {
  lyrics::Sheet sheet;
  sheet.lines = lines;
  return sheet;
}

TEST(LyricTimingTest, LrcLinesLastUntilTheNextOneStarts) {
  const auto sheet =
      SheetOf({{1000, L"one", 0, {}}, {3000, L"two", 0, {}}, {5000, L"", 0, {}}, {7000, L"four", 0, {}}});
  EXPECT_EQ(CurrentLyricLine(sheet, 999), std::nullopt);
  EXPECT_EQ(CurrentLyricLine(sheet, 1000), 0u);
  EXPECT_EQ(CurrentLyricLine(sheet, 2999), 0u);
  EXPECT_EQ(CurrentLyricLine(sheet, 3000), 1u);
  EXPECT_EQ(CurrentLyricLine(sheet, 6000), std::nullopt);  // an empty line is an instrumental gap
  EXPECT_EQ(CurrentLyricLine(sheet, 90000), 3u);
}

TEST(LyricTimingTest, TimedEndsLeaveGapsAndOverlappingLinesFallBack) {
  const auto sheet = SheetOf({{1000, L"long", 9000, {}}, {2000, L"short", 3000, {}}, {10000, L"last", 11000, {}}});
  EXPECT_EQ(CurrentLyricLine(sheet, 2500), 1u);
  EXPECT_EQ(CurrentLyricLine(sheet, 3500), 0u);  // the short line ended, the long one still runs
  EXPECT_EQ(CurrentLyricLine(sheet, 9500), std::nullopt);
  EXPECT_EQ(CurrentLyricLine(sheet, 11000), std::nullopt);
  EXPECT_EQ(CurrentLyricLine(lyrics::Sheet{}, 5000), std::nullopt);
}

TEST(LyricTimingTest, TheCardAnimatesALineReachedAsItStarts) {
  const auto sheet = SheetOf({{1000, L"one", 2000, {}}, {2000, L"two", 3000, {}}});
  LyricTiming timing;
  timing.UpdateForCard(&sheet, 1950, true, false);
  EXPECT_EQ(timing.current(), 0u);
  EXPECT_FALSE(timing.animating());  // the first frame has no previous position
  timing.UpdateForCard(&sheet, 2016, true, false);
  EXPECT_EQ(timing.current(), 1u);
  EXPECT_TRUE(timing.animating());
  EXPECT_EQ(timing.previous(), 0u);
  timing.UpdateForCard(&sheet, 2100, true, false);  // the same line: the slide goes on
  EXPECT_TRUE(timing.animating());
  timing.UpdateForCard(&sheet, 2200, true, false);  // past 150 ms
  EXPECT_FALSE(timing.animating());
  EXPECT_EQ(timing.previous(), std::nullopt);
}

TEST(LyricTimingTest, NoAnimationWhenJumpingPausedOrWithReducedMotion) {
  const auto sheet = SheetOf({{1000, L"one", 2000, {}}, {2000, L"two", 3000, {}}, {5000, L"lrc", 0, {}}});
  LyricTiming jump;
  jump.UpdateForCard(&sheet, 500, true, false);
  jump.UpdateForCard(&sheet, 2010, true, false);  // more than 150 ms since the last frame
  EXPECT_FALSE(jump.animating());

  LyricTiming paused;
  paused.UpdateForCard(&sheet, 1950, false, false);
  paused.UpdateForCard(&sheet, 2016, false, false);
  EXPECT_FALSE(paused.animating());

  LyricTiming reduced;
  reduced.UpdateForCard(&sheet, 1950, true, true);
  reduced.UpdateForCard(&sheet, 2016, true, true);
  EXPECT_FALSE(reduced.animating());

  LyricTiming untimed_end;  // a line without an end never slides
  untimed_end.UpdateForCard(&sheet, 4950, true, false);
  untimed_end.UpdateForCard(&sheet, 5016, true, false);
  EXPECT_FALSE(untimed_end.animating());

  LyricTiming backwards;
  backwards.UpdateForCard(&sheet, 2100, true, false);
  backwards.UpdateForCard(&sheet, 2016, true, false);  // a seek backwards
  EXPECT_FALSE(backwards.animating());
}

TEST(LyricTimingTest, ThePillNeverAnimatesAndResetForgetsEverything) {
  const auto sheet = SheetOf({{1000, L"one", 2000, {}}, {2000, L"two", 3000, {}}});
  LyricTiming timing;
  timing.UpdateForPill(&sheet, 1950);
  timing.UpdateForPill(&sheet, 2016);
  EXPECT_EQ(timing.current(), 1u);
  EXPECT_FALSE(timing.animating());
  EXPECT_DOUBLE_EQ(timing.last_position_ms(), 2016);
  timing.Reset();
  EXPECT_EQ(timing.current(), std::nullopt);
  EXPECT_DOUBLE_EQ(timing.last_position_ms(), -1.0);
  timing.UpdateForPill(nullptr, 1000);
  EXPECT_EQ(timing.current(), std::nullopt);
}

}  // namespace
}  // namespace notch
