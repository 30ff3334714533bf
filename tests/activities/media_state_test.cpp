#include "activities/media_state.h"

#include <gtest/gtest.h>

#include "lyrics/lyrics_sheet.h"

namespace notch {
namespace {

TEST(MediaStateTest, OnlyAnotherLyricsQueryStartsANewSearch) {
  MediaState state;
  const LyricsQuery song{L"Song", L"Artist", L"Album", 200};
  EXPECT_FALSE(SetLyricsQuery(state, std::nullopt));
  EXPECT_TRUE(SetLyricsQuery(state, song));
  state.pending.lyrics = std::make_shared<const lyrics::Sheet>();

  EXPECT_FALSE(SetLyricsQuery(state, song));
  EXPECT_EQ(state.lyrics_generation, 1u);
  EXPECT_TRUE(state.pending.lyrics);

  EXPECT_TRUE(SetLyricsQuery(state, LyricsQuery{L"Song", L"Artist", L"Album", 201}));
  EXPECT_EQ(state.lyrics_generation, 2u);
  EXPECT_FALSE(state.pending.lyrics);
  EXPECT_TRUE(SetLyricsQuery(state, std::nullopt));
  EXPECT_EQ(state.lyrics_generation, 3u);
  EXPECT_FALSE(state.lyrics_query);
}

}  // namespace
}  // namespace notch
