// The media activity on a real island (virtual platform): what the pill and
// the card draw, their elements, and what clicks on them do.
#include "activities/media_view.h"

#include <gtest/gtest.h>

#include "activities/island_activity_set.h"
#include "activities/media_layout.h"
#include "common/ini_document.h"
#include "host/language.h"
#include "lyrics/lyrics_sheet.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/activities_island_test.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

std::shared_ptr<const lyrics::Sheet> TimedSheet() {
  auto sheet = std::make_shared<lyrics::Sheet>();
  sheet->lines = {{1000, L"first line", 3000, {{1000, 2000, 0, 5}, {2000, 3000, 6, 4}}},
                  {3000, L"second line", 5000, {}}};
  sheet->credit = lyrics::Credit{L"LRCLIB", L"https://lrclib.net", L"Someone", L""};
  return sheet;
}

class MediaViewTest : public testing::ActivitiesIslandTest {
 protected:
  MediaViewTest() : ActivitiesIslandTest(Ports(this)) { island_.Start(); }

  static ActivityPorts Ports(MediaViewTest* test) {
    ActivityPorts ports;
    ports.media.post_command = [test](const MediaCommand& c) { test->commands_.push_back(c); };
    ports.media.open = [test](const std::wstring& target) { test->opened_.push_back(target); };
    ports.media.activate_app = [test](const std::wstring& id) { test->activated_apps_.push_back(id); };
    ports.media.measure = [](std::wstring_view text, const TextFormat& format) {
      return static_cast<float>(text.size()) * 0.5f * format.size;
    };
    return ports;
  }

  void Play(double position_s = 60.0, std::shared_ptr<const lyrics::Sheet> sheet = nullptr, bool shuffle = true) {
    {
      std::lock_guard lock(media_.mutex);
      MediaSnapshot& m = media_.pending;
      m.has_media = m.playing = true;
      m.title = L"Song";
      m.artist = L"Artist";
      m.source_app_id = L"player.exe";
      m.duration_s = 200.0;
      m.position_s = position_s;
      m.sample_time_ms = platform_.clock_value.NowMs();
      m.shuffle_enabled = shuffle;
      m.lyrics = std::move(sheet);
    }
    island_.OnMediaUpdate(false);
  }
  void Expand() {
    const RectF shape = island_.CurrentShapeRect();
    island_.OnLeftButtonDown({static_cast<int>(shape.centre().x), 5});
    island_.OnLeftButtonUp({static_cast<int>(shape.centre().x), 5});
    ASSERT_EQ(island_.record().state, IslandState::Expanded);
    Settle();
  }
  void Settle() { platform_.Advance(1000, island_); }
  MediaCardLayout Card() const {
    const IslandRecord& r = island_.record();
    return LayOutMediaCard(MediaCardBox(r.style, r.theme, island_.CurrentShapeRect(), island_.notch_height()), r.theme);
  }
  void ClickAt(PointF point) {
    const ScreenPoint p{static_cast<int>(point.x), static_cast<int>(point.y)};
    island_.OnLeftButtonDown(p);
    island_.OnLeftButtonUp(p);
  }
  void Click(CardButton button) { ClickAt(Card().buttons[static_cast<std::size_t>(button)].centre()); }
  std::vector<std::wstring> Texts() const {
    std::vector<std::wstring> texts;
    for (const CanvasOp* op : canvas_.Ops(K::DrawText)) texts.push_back(op->text);
    return texts;
  }
  bool Drew(const std::wstring& text) const {
    const auto texts = Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  std::vector<MediaCommand> commands_;
  std::vector<std::wstring> opened_, activated_apps_;
};

TEST_F(MediaViewTest, ThePillShowsTheCurrentLyricLineOrTheCountdown) {
  Play(1.5, TimedSheet());
  Settle();
  canvas_.ops.clear();
  island_.Redraw();
  EXPECT_TRUE(Drew(L"first line"));
  EXPECT_FALSE(Drew(L"second line"));

  island_.StartCountdown(5);  // the countdown's time replaces the level bars
  platform_.Advance(3000, island_);
  canvas_.ops.clear();
  island_.Redraw();
  EXPECT_TRUE(Drew(L"4:57"));
}

TEST_F(MediaViewTest, TheCardWithoutMediaOffersOnlyTheOutputButton) {
  Expand();
  canvas_.ops.clear();
  island_.Redraw();
  EXPECT_TRUE(Drew(L"Not Playing"));
  Click(CardButton::PlayPause);
  Click(CardButton::Next);
  EXPECT_TRUE(commands_.empty());
  Click(CardButton::Output);
  EXPECT_EQ(opened_, std::vector<std::wstring>{L"ms-settings:sound"});
  EXPECT_EQ(island_.record().state, IslandState::Idle);  // collapsed
}

TEST_F(MediaViewTest, TransportButtonsPostCommandsAndShowTheirEffectAtOnce) {
  Play();
  Expand();
  Click(CardButton::Previous);
  Click(CardButton::Next);
  platform_.Advance(2000, island_);
  Click(CardButton::PlayPause);
  ASSERT_EQ(commands_.size(), 3u);
  EXPECT_EQ(commands_[0].kind, MediaCommandKind::Previous);
  EXPECT_EQ(commands_[1].kind, MediaCommandKind::Next);
  EXPECT_EQ(commands_[2].kind, MediaCommandKind::TogglePlayPause);
  // Paused locally, with the position frozen where it was.
  EXPECT_FALSE(island_.media().playing);
  const double frozen = CurrentPosition(island_.media(), platform_.clock_value.NowMs());
  platform_.Advance(5000, island_);
  EXPECT_DOUBLE_EQ(CurrentPosition(island_.media(), platform_.clock_value.NowMs()), frozen);
}

TEST_F(MediaViewTest, ShuffleFlipsOnlyWhereTheSessionAllowsIt) {
  Play(60.0, nullptr, false);
  Expand();
  Click(CardButton::Shuffle);
  EXPECT_TRUE(commands_.empty());
  Play(60.0, nullptr, true);
  Click(CardButton::Shuffle);
  ASSERT_EQ(commands_.size(), 1u);
  EXPECT_EQ(commands_[0], (MediaCommand{MediaCommandKind::SetShuffle, 1.0}));
  EXPECT_TRUE(island_.media().shuffle_active);
}

TEST_F(MediaViewTest, ClickingHalfWayAlongTheBarSeeksToTheMiddle) {
  Play();
  Expand();
  const RectF bar = Card().progress_hit;
  ClickAt({(bar.left + bar.right) / 2.0f, bar.centre().y});
  ASSERT_EQ(commands_.size(), 1u);
  EXPECT_EQ(commands_[0].kind, MediaCommandKind::Seek);
  EXPECT_NEAR(commands_[0].value, 100.0, 1.0);
  EXPECT_NEAR(island_.media().position_s, 100.0, 1.0);
}

TEST_F(MediaViewTest, TheArtBringsThePlayerForward) {
  Play();
  Expand();
  ClickAt(Card().art.centre());
  EXPECT_EQ(activated_apps_, std::vector<std::wstring>{L"player.exe"});
  EXPECT_EQ(island_.record().state, IslandState::Media);
}

TEST_F(MediaViewTest, TheLyricsButtonOpensThePanelWithItsCredits) {
  Play(1.5, TimedSheet());
  Expand();
  const float height = island_.springs().height.position;
  ClickAt(Card().lyrics_button.centre());
  EXPECT_TRUE(activities_.LyricsPanelOpen());
  Settle();
  EXPECT_FLOAT_EQ(island_.springs().height.position, height + 18.0f);
  canvas_.ops.clear();
  island_.Redraw();
  EXPECT_TRUE(Drew(L"LRCLIB"));
  EXPECT_TRUE(Drew(L"Someone"));
  const MediaCardLayout card = Card();
  // Each name may run to the line's end, so a measurement a little short
  // never trims it to an ellipsis.
  for (const CanvasOp& op : canvas_.ops) {
    if (op.kind == CanvasOp::Kind::DrawText && (op.text == L"LRCLIB" || op.text == L"Someone")) {
      EXPECT_FLOAT_EQ(op.rect.right, card.credit_right) << std::string(op.text.begin(), op.text.end());
    }
  }
  ClickAt({card.credit_left + 2.0f, (card.credit_top + card.credit_bottom) / 2.0f});
  EXPECT_EQ(opened_, std::vector<std::wstring>{L"https://lrclib.net"});

  island_.Collapse();  // closing the card closes the panel
  EXPECT_FALSE(activities_.LyricsPanelOpen());
}

TEST_F(MediaViewTest, UntimedLyricsShowTheLineAtTheScrollOffset) {
  auto sheet = std::make_shared<lyrics::Sheet>();
  sheet->plain = {L"one", L"two", L"three"};
  Play(10.0, sheet);
  Expand();
  const RectF line = Card().second_line;
  const ScreenPoint over_line{platform_.placement.left + static_cast<int>(line.centre().x),
                              platform_.placement.top + static_cast<int>(line.centre().y)};
  EXPECT_TRUE(island_.OnMouseWheel(over_line, -120));
  canvas_.ops.clear();
  island_.Redraw();
  EXPECT_TRUE(Drew(L"two"));
  EXPECT_FALSE(Drew(L"Artist"));
}

TEST_F(MediaViewTest, TheSungPartOfALineIsDrawnClippedAtFullColour) {
  Play(1.5, TimedSheet());
  Settle();  // 2.5 s: "first" is sung, "line" half-way
  canvas_.ops.clear();
  island_.Redraw();
  const auto clips = canvas_.Ops(K::PushClip);
  ASSERT_EQ(clips.size(), 1u);
  // Each character is 0.5 x 11 wide: "first " is 33 and half of "line" 11.
  EXPECT_NEAR(clips[0]->rect.width(), 44.0f, 0.01f);
}

TEST_F(MediaViewTest, TheLevelBarsRunOnlyWhileTheirViewShows) {
  EXPECT_FALSE(activities_.MediaViewAnimating());
  Play();
  EXPECT_TRUE(activities_.MediaViewAnimating());
  EXPECT_TRUE(platform_.TimerRunning(island_timer::kMediaView));
  island_.Toggle();  // hidden: no media view
  EXPECT_FALSE(activities_.MediaViewAnimating());
}

TEST_F(MediaViewTest, WithoutSoundTheCardStillFollowsTheTrack) {
  // No peak meter here: the bars stay at rest, so only the track's time can
  // call for a repaint.
  Play(0.2, TimedSheet());
  Expand();  // 1.2 s: "first" is being sung
  const auto repainted_within = [&](double ms) {
    canvas_.ops.clear();
    platform_.Advance(ms, island_);
    return !canvas_.ops.empty();
  };
  EXPECT_TRUE(repainted_within(40));  // the word's wipe moves
  platform_.Advance(2000, island_);   // 3.24 s: "second line", timed by the line only
  EXPECT_TRUE(Drew(L"second line"));
  EXPECT_FALSE(repainted_within(300));  // the same second and line: nothing moved
  EXPECT_TRUE(repainted_within(500));   // 4 s: the elapsed time reads 0:04
  EXPECT_TRUE(Drew(L"0:04"));
}

TEST_F(MediaViewTest, TheWidestLyricStopsBeingMeasuredAt400) {
  auto sheet = std::make_shared<lyrics::Sheet>();
  sheet->lines = {
      {0, std::wstring(10, L'a'), 0, {}}, {1, std::wstring(80, L'b'), 0, {}}, {2, std::wstring(90, L'c'), 0, {}}};
  Play(0.0, sheet);
  // The lyric format is 12 wide per two characters: 80 characters give 480.
  EXPECT_FLOAT_EQ(activities_.MeasureLyricWidth(), 480.0f);
  EXPECT_FLOAT_EQ(island_.record().lyric_width, 480.0f);
}

}  // namespace
}  // namespace notch
