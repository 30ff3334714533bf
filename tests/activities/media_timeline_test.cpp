#include "activities/media_timeline.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

constexpr std::int64_t kSecond = 10'000'000;

TEST(MediaTimelineTest, PositionIsCountedFromTheStartAndExtrapolatedWhilePlaying) {
  TimelineReading r{5 * kSecond, 205 * kSecond, 65 * kSecond, 1000 * kSecond, 1003 * kSecond};
  Timeline paused = ReadTimeline(r, false);
  EXPECT_DOUBLE_EQ(paused.start_s, 5.0);
  EXPECT_DOUBLE_EQ(paused.duration_s, 200.0);
  EXPECT_DOUBLE_EQ(paused.position_s, 60.0);
  EXPECT_DOUBLE_EQ(ReadTimeline(r, true).position_s, 63.0);

  r.now = r.last_updated + 21600 * kSecond;  // six hours: not plausible
  EXPECT_DOUBLE_EQ(ReadTimeline(r, true).position_s, 60.0);
  r.now = r.last_updated - kSecond;  // a clock that went back
  EXPECT_DOUBLE_EQ(ReadTimeline(r, true).position_s, 60.0);
  r.now = r.last_updated + 500 * kSecond;
  EXPECT_DOUBLE_EQ(ReadTimeline(r, true).position_s, 200.0);  // clamped to the end
}

TEST(MediaTimelineTest, WithoutADurationThePositionIsOnlyKeptPositive) {
  const TimelineReading live{0, 0, -3 * kSecond, 0, 0};
  EXPECT_DOUBLE_EQ(ReadTimeline(live, false).duration_s, 0.0);
  EXPECT_DOUBLE_EQ(ReadTimeline(live, false).position_s, 0.0);
  const TimelineReading stream{0, 0, 4000 * kSecond, 0, 0};
  EXPECT_DOUBLE_EQ(ReadTimeline(stream, false).position_s, 4000.0);
  const TimelineReading reversed{10 * kSecond, 5 * kSecond, 0, 0, 0};
  EXPECT_DOUBLE_EQ(ReadTimeline(reversed, false).duration_s, 0.0);
}

TEST(MediaTimelineTest, MediaNeedsPlaybackAndATitle) {
  EXPECT_TRUE(HasMedia(PlaybackStatus::Playing, L"Song"));
  EXPECT_TRUE(HasMedia(PlaybackStatus::Paused, L"Song"));
  EXPECT_FALSE(HasMedia(PlaybackStatus::Playing, L""));
  EXPECT_FALSE(HasMedia(PlaybackStatus::Stopped, L"Song"));
  EXPECT_FALSE(HasMedia(PlaybackStatus::Changing, L"Song"));
}

TEST(MediaTimelineTest, TrackIdentity) {
  const TrackIdentity a{L"Song", L"Artist", L"Album", 3};
  TrackIdentity b = a;
  EXPECT_TRUE(SameTrack(false, true, true, a, b));
  EXPECT_FALSE(SameTrack(true, true, true, a, b));    // another session
  EXPECT_FALSE(SameTrack(false, false, true, a, b));  // media appeared
  b.track_number = 4;
  EXPECT_FALSE(SameTrack(false, true, true, a, b));
}

TEST(MediaTimelineTest, TrackTimes) {
  EXPECT_EQ(FormatTrackTime(0.0), L"0:00");
  EXPECT_EQ(FormatTrackTime(59.9), L"0:59");
  EXPECT_EQ(FormatTrackTime(61.0), L"1:01");
  EXPECT_EQ(FormatTrackTime(3599.5), L"59:59");
  EXPECT_EQ(FormatTrackTime(3600.0), L"1:00:00");
  EXPECT_EQ(FormatTrackTime(7384.0), L"2:03:04");
  EXPECT_EQ(FormatTrackTime(-4.0), L"0:00");
}

}  // namespace
}  // namespace notch
