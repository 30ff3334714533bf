#include "activities/media_art_loader.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

DecodedArt Art(std::uint8_t value, int w = 2, int h = 2) {
  return {std::vector<std::uint8_t>(static_cast<std::size_t>(w * h * 4), value), w, h};
}

class FakeArtSource final : public ArtSource {
 public:
  std::optional<TrackIdentity> track;
  std::vector<int> thumbnails;  // per attempt: the picture's byte value, or 0 for none yet
  std::size_t reads = 0;

  std::optional<TrackIdentity> CurrentTrack() override { return track; }
  std::optional<DecodedArt> ReadThumbnail() override {
    const int value = reads < thumbnails.size() ? thumbnails[reads] : 0;
    ++reads;
    if (value == 0) return std::nullopt;
    return Art(static_cast<std::uint8_t>(value));
  }
};

const TrackIdentity kSong{L"Song", L"Artist", L"Album", 1};

TEST(MediaArtLoaderTest, TriesAtTheGivenDelaysUntilAPictureArrives) {
  FakeArtSource source;
  source.track = kSong;
  source.thumbnails = {0, 0, 200};
  std::vector<int> waits;
  const auto art = LoadArt(source, {kSong, 1}, [&](int ms) {
    waits.push_back(ms);
    return true;
  });
  ASSERT_TRUE(art.has_value());
  EXPECT_EQ(art->pixels[0], 200);
  EXPECT_EQ(waits, (std::vector<int>{0, 60, 140}));

  FakeArtSource never;
  never.track = kSong;
  waits.clear();
  EXPECT_FALSE(LoadArt(never, {kSong, 1}, [&](int ms) {
                 waits.push_back(ms);
                 return true;
               }).has_value());
  EXPECT_EQ(waits, (std::vector<int>{0, 60, 140, 300, 600}));
}

TEST(MediaArtLoaderTest, GivesUpWhenTheTrackChangedOrTheLoadIsCancelled) {
  FakeArtSource source;
  source.track = TrackIdentity{L"Other", L"Artist", L"Album", 1};
  source.thumbnails = {1};
  EXPECT_FALSE(LoadArt(source, {kSong, 1}, [](int) { return true; }).has_value());
  EXPECT_EQ(source.reads, 0);

  // Cancelled while waiting for the second attempt.
  source.track = kSong;
  source.thumbnails = {0, 5};
  EXPECT_FALSE(LoadArt(source, {kSong, 1}, [](int ms) { return ms == 0; }).has_value());
  EXPECT_EQ(source.reads, 1u);
}

TEST(MediaArtLoaderTest, PublishesOnlyFreshChangedArt) {
  MediaState state;
  state.track_generation = 3;
  EXPECT_FALSE(PublishArt(state, {kSong, 2}, Art(9), false));  // an older track's art
  EXPECT_FALSE(PublishArt(state, {kSong, 3}, Art(9), true));   // cancelled
  state.request.session_changed = true;
  EXPECT_FALSE(PublishArt(state, {kSong, 3}, Art(9), false));  // a session change is on its way
  state.request.session_changed = false;

  ASSERT_TRUE(PublishArt(state, {kSong, 3}, Art(9), false));
  EXPECT_EQ(state.pending.art_version, 1u);
  EXPECT_EQ(state.pending.art_width, 2);
  EXPECT_FALSE(PublishArt(state, {kSong, 3}, Art(9), false));  // the same bytes change nothing
  EXPECT_EQ(state.pending.art_version, 1u);
  EXPECT_TRUE(PublishArt(state, {kSong, 3}, Art(10), false));
  EXPECT_EQ(state.pending.art_version, 2u);
  EXPECT_TRUE(PublishArt(state, {kSong, 3}, Art(10, 1, 4), false));  // same bytes, another shape
}

}  // namespace
}  // namespace notch
