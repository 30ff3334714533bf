#include "tour-sources/tour_media_player.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "activities/media_art.h"
#include "activities/media_session_worker.h"
#include "activities/media_timeline.h"

namespace notch::tour {
namespace {

// Where the card would put the playhead: the reading through the media
// thread's own timeline rule.
double CardPosition(TourMediaPlayer& player, double now_ms) {
  const SessionReading reading = player.Read(now_ms);
  return ReadTimeline(reading.timeline, reading.status == PlaybackStatus::Playing).position_s;
}

TEST(TourMediaPlayerTest, NothingPlaysOrObeysUntilTheTourStartsIt) {
  TourMediaPlayer player(TourTracks());
  player.Execute({MediaCommandKind::TogglePlayPause, 0}, 100);
  player.Execute({MediaCommandKind::Next, 0}, 100);
  player.Pause(200);
  const SessionReading reading = player.Read(5000);
  EXPECT_FALSE(player.started());
  EXPECT_EQ(reading.status, PlaybackStatus::Closed);
  EXPECT_FALSE(HasMedia(reading.status, reading.track.title));
  EXPECT_FALSE(player.MsUntilTrackEnd(5000));
  EXPECT_EQ(player.track_index(), 0u);
}

TEST(TourMediaPlayerTest, PlaysOnTheClockAndPauseHoldsThePosition) {
  TourMediaPlayer player(TourTracks());
  player.Play(1000);
  player.Play(4000);  // a second signal does not restart the track
  EXPECT_NEAR(CardPosition(player, 11'000), 10.0, 1e-6);
  EXPECT_NEAR(*player.MsUntilTrackEnd(11'000), 61'000.0, 1e-3);

  player.Execute({MediaCommandKind::TogglePlayPause, 0}, 11'000);
  EXPECT_EQ(player.Read(50'000).status, PlaybackStatus::Paused);
  EXPECT_NEAR(CardPosition(player, 50'000), 10.0, 1e-6);
  EXPECT_FALSE(player.MsUntilTrackEnd(50'000));

  player.Execute({MediaCommandKind::TogglePlayPause, 0}, 50'000);
  EXPECT_NEAR(CardPosition(player, 52'500), 12.5, 1e-6);
  // The tour's own pause signal holds the position as the pause button does.
  player.Pause(60'000);
  player.Pause(70'000);
  EXPECT_NEAR(CardPosition(player, 90'000), 20.0, 1e-6);
}

TEST(TourMediaPlayerTest, ATrackThatEndsHandsOverToTheNextAtItsEnd) {
  TourMediaPlayer player(TourTracks());
  player.Play(0);
  // 71 s of the first track, then 5 s into the second.
  SessionReading reading = player.Read(76'000);
  EXPECT_EQ(reading.track.title, L"Deep Water");
  EXPECT_NEAR(CardPosition(player, 76'000), 5.0, 1e-6);
  // After the last track, the first again; many laps at once still land right.
  reading = player.Read(142'000 + 1000);
  EXPECT_EQ(reading.track.title, L"Paper Boats");
  EXPECT_NEAR(CardPosition(player, 143'000), 1.0, 1e-6);
  EXPECT_NEAR(CardPosition(player, 143'000 + 142'000 * 10), 1.0, 1e-6);
}

TEST(TourMediaPlayerTest, NextPreviousAndSeekAsAPlayerDoes) {
  TourMediaPlayer player(TourTracks());
  player.Play(0);
  player.Execute({MediaCommandKind::Next, 0}, 10'000);
  EXPECT_EQ(player.track_index(), 1u);
  EXPECT_NEAR(CardPosition(player, 12'000), 2.0, 1e-6);
  // Early in a track, Previous goes to the one before; later it restarts.
  player.Execute({MediaCommandKind::Previous, 0}, 12'000);
  EXPECT_EQ(player.track_index(), 0u);
  player.Execute({MediaCommandKind::Previous, 0}, 12'500);
  EXPECT_EQ(player.track_index(), 1u) << "from the first track, Previous wraps to the last";
  player.Execute({MediaCommandKind::Seek, 30}, 13'000);
  player.Execute({MediaCommandKind::Previous, 0}, 14'000);
  EXPECT_EQ(player.track_index(), 1u);
  EXPECT_NEAR(CardPosition(player, 14'000), 0.0, 1e-6);

  // A seek past the end ends the track, as a player moves on to the next.
  player.Execute({MediaCommandKind::Seek, 500}, 20'000);
  EXPECT_NEAR(CardPosition(player, 20'000), 0.0, 1e-6);
  EXPECT_EQ(player.track_index(), 0u);
  player.Execute({MediaCommandKind::Seek, 70.5}, 20'000);
  EXPECT_NEAR(CardPosition(player, 20'200), 70.7, 1e-6);
  player.Execute({MediaCommandKind::Seek, -4}, 20'000);
  EXPECT_NEAR(CardPosition(player, 20'000), 0.0, 1e-6);
  player.Execute({MediaCommandKind::Seek, std::numeric_limits<double>::quiet_NaN()}, 20'000);
  EXPECT_NEAR(CardPosition(player, 21'000), 1.0, 1e-6);

  player.Execute({MediaCommandKind::SetShuffle, 1}, 21'000);
  EXPECT_TRUE(player.Read(21'000).shuffle_active);
  EXPECT_TRUE(player.Read(21'000).shuffle_enabled);
}

TEST(TourMediaPlayerTest, TheTourSignalPlaysTheFirstTrackFromItsStartAgain) {
  TourMediaPlayer player(TourTracks());
  player.PlayFromStart(0);
  player.Execute({MediaCommandKind::Next, 0}, 20'000);
  player.Pause(30'000);
  player.PlayFromStart(40'000);
  EXPECT_EQ(player.Read(41'000).track.title, L"Paper Boats");
  EXPECT_EQ(player.Read(41'000).status, PlaybackStatus::Playing);
  EXPECT_NEAR(CardPosition(player, 41'000), 1.0, 1e-6);
}

TEST(TourMediaPlayerTest, AnEmptyListOrABadDurationStillPlays) {
  TourMediaPlayer empty({});
  empty.Play(0);
  EXPECT_FALSE(empty.Read(500).track.title.empty());
  TourMediaPlayer zero({{{L"Zero", L"A", L"B", 1}, 0.0, 0, 0}, {{L"Nan", L"A", L"B", 2}, std::nan(""), 0, 0}});
  zero.Play(0);
  EXPECT_EQ(zero.Read(1500).track.title, L"Nan");
  EXPECT_EQ(zero.Read(2500).track.title, L"Zero");
}

// The media thread, fed by the player, asks for the lyrics the loopback
// services' fixture answers (title, artist, album and 71 whole seconds).
class PlayerSession final : public MediaSessionPort {
 public:
  PlayerSession(TourMediaPlayer& player, const ManualClock& clock) : player_(player), clock_(clock) {}
  bool Connect() override { return true; }
  bool SwitchToCurrentSession() override { return true; }
  bool HasSession() const override { return player_.started(); }
  void Execute(const MediaCommand& command, double) override { player_.Execute(command, clock_.NowMs()); }
  SessionReading Read() override { return player_.Read(clock_.NowMs()); }
  void StartArtLoad(const ArtJob&) override {}
  void CancelArtLoad() override {}

 private:
  TourMediaPlayer& player_;
  const ManualClock& clock_;
};

// The tour's player behind the media thread's worker, lyrics on.
class TourMediaWorkerTest : public ::testing::Test {
 protected:
  TourMediaWorkerTest() { state.lyrics_enabled = true; }

  ManualClock clock{0};
  TourMediaPlayer player{TourTracks()};
  PlayerSession session{player, clock};
  MediaState state;
  MediaSessionWorker worker{state, session, clock, [] {}};
};

TEST_F(TourMediaWorkerTest, TheMediaThreadAsksForTheFixturesSyncedTrack) {
  MediaWakeRequest request;
  request.wake = request.session_changed = true;
  player.Play(clock.NowMs());
  clock.Advance(1500);
  worker.Serve(request);
  std::lock_guard lock(state.mutex);
  EXPECT_TRUE(state.pending.has_media);
  EXPECT_TRUE(state.pending.playing);
  EXPECT_EQ(state.pending.artist, L"The Made-Up Band");
  EXPECT_NEAR(state.pending.position_s, 1.5, 1e-6);
  ASSERT_TRUE(state.lyrics_query);
  EXPECT_EQ(*state.lyrics_query, (LyricsQuery{L"Paper Boats", L"The Made-Up Band", L"Puddles", 71}));
}

TEST_F(TourMediaWorkerTest, ARestartReachesTheCardWithoutDroppingTheLyricsQuery) {
  MediaWakeRequest appeared;
  appeared.wake = appeared.session_changed = appeared.refetch = true;
  player.PlayFromStart(clock.NowMs());
  worker.Serve(appeared);
  std::optional<LyricsQuery> query;
  {
    std::lock_guard lock(state.mutex);
    query = state.lyrics_query;
  }
  clock.Advance(9000);
  player.PlayFromStart(clock.NowMs());
  clock.Advance(500);
  MediaWakeRequest moved;
  moved.wake = true;
  worker.Serve(moved);
  std::lock_guard lock(state.mutex);
  EXPECT_NEAR(state.pending.position_s, 0.5, 1e-6);
  EXPECT_DOUBLE_EQ(state.pending.sample_time_ms, 9500.0);
  EXPECT_EQ(state.lyrics_query, query);
}

TEST(TourArtTest, EachTrackHasAnOpaqueSquareWithAPalerDisc) {
  const std::vector<TourTrack> tracks = TourTracks();
  const DecodedArt first = TourArt(tracks[0]);
  const DecodedArt second = TourArt(tracks[1]);
  ASSERT_EQ(first.width, kLargestArtSide);
  ASSERT_EQ(first.height, kLargestArtSide);
  ASSERT_EQ(first.pixels.size(), static_cast<std::size_t>(kLargestArtSide * kLargestArtSide * 4));
  for (std::size_t i = 3; i < first.pixels.size(); i += 4) ASSERT_EQ(first.pixels[i], 255);
  const auto pixel = [&](const DecodedArt& art, int x, int y) {
    return &art.pixels[(static_cast<std::size_t>(y) * art.width + x) * 4];
  };
  // Top-left corner: the top colour 0x2E86C1 in B, G, R order.
  EXPECT_EQ(pixel(first, 0, 0)[0], 0xC1);
  EXPECT_EQ(pixel(first, 0, 0)[1], 0x86);
  EXPECT_EQ(pixel(first, 0, 0)[2], 0x2E);
  const int middle = kLargestArtSide / 2;
  for (int c = 0; c < 3; ++c) EXPECT_GT(pixel(first, middle, middle)[c], pixel(first, 0, middle)[c]);
  EXPECT_NE(first.pixels, second.pixels);
}

}  // namespace
}  // namespace notch::tour
