#include "activities/media_lyrics_query.h"

#include <gtest/gtest.h>

#include "activities/media_requests.h"
#include "lyrics/lyrics_sheet.h"

namespace notch {
namespace {

const TrackIdentity kSong{L"Song", L"Artist", L"Album", 2};

TEST(MediaLyricsQueryTest, ThePlayingTrackWithRoundedDuration) {
  const auto query = WantedLyricsQuery(true, true, true, kSong, 215.6, std::nullopt);
  ASSERT_TRUE(query.has_value());
  EXPECT_EQ(*query, (LyricsQuery{L"Song", L"Artist", L"Album", 216}));
  EXPECT_EQ(WantedLyricsQuery(true, true, true, kSong, 3601.0, std::nullopt)->duration_s, 0);
  EXPECT_EQ(WantedLyricsQuery(true, true, true, kSong, 3600.0, std::nullopt)->duration_s, 3600);
  EXPECT_EQ(WantedLyricsQuery(true, true, true, kSong, 0.5, std::nullopt)->duration_s, 0);
}

TEST(MediaLyricsQueryTest, NoQueryWithoutLyricsMediaOrArtist) {
  EXPECT_EQ(WantedLyricsQuery(false, true, true, kSong, 200, std::nullopt), std::nullopt);
  EXPECT_EQ(WantedLyricsQuery(true, false, true, kSong, 200, std::nullopt), std::nullopt);
  TrackIdentity no_artist = kSong;
  no_artist.artist.clear();
  EXPECT_EQ(WantedLyricsQuery(true, true, true, no_artist, 200, std::nullopt), std::nullopt);
}

TEST(MediaLyricsQueryTest, ASlightlyDifferentDurationKeepsTheActiveQuery) {
  const std::optional<LyricsQuery> active = LyricsQuery{L"Song", L"Artist", L"Album", 200};
  EXPECT_EQ(WantedLyricsQuery(true, true, true, kSong, 202.0, active), active);           // 2 s: the same lyrics
  EXPECT_EQ(WantedLyricsQuery(true, true, true, kSong, 204.0, active)->duration_s, 204);  // 4 s: a new search
  TrackIdentity other_album = kSong;
  other_album.album = L"Live";
  EXPECT_EQ(WantedLyricsQuery(true, true, true, other_album, 201.0, active)->duration_s, 201);
}

TEST(MediaLyricsQueryTest, APausedTrackOnlyKeepsAnActiveQuery) {
  const std::optional<LyricsQuery> active = LyricsQuery{L"Song", L"Artist", L"Album", 200};
  EXPECT_EQ(WantedLyricsQuery(true, true, false, kSong, 200.0, active), active);
  TrackIdentity other = kSong;
  other.title = L"Other";
  EXPECT_EQ(WantedLyricsQuery(true, true, false, other, 200.0, active), std::nullopt);
  EXPECT_EQ(WantedLyricsQuery(true, true, false, kSong, 200.0, std::nullopt), std::nullopt);
}

TEST(MediaLyricsQueryTest, TurningLyricsOffDropsThemAndWakesTheMediaThread) {
  MediaState state;
  SetLyricsEnabled(state, true);
  EXPECT_TRUE(state.request.wake);
  state.request = {};
  state.lyrics_query = LyricsQuery{L"Song", L"Artist", L"Album", 200};
  state.pending.lyrics = std::make_shared<const lyrics::Sheet>();
  const auto generation = state.track_generation;
  SetLyricsEnabled(state, true);  // no change, nothing happens
  EXPECT_FALSE(state.request.wake);
  SetLyricsEnabled(state, false);
  EXPECT_EQ(state.lyrics_query, std::nullopt);
  EXPECT_EQ(state.pending.lyrics, nullptr);
  EXPECT_EQ(state.track_generation, generation + 1);
  EXPECT_TRUE(state.request.wake);
}

}  // namespace
}  // namespace notch
