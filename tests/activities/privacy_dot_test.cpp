// The privacy dot as the island's activities draw it, and the activity set's
// download card and watcher start.
#include "activities/privacy_dot.h"

#include <gtest/gtest.h>

#include "activities/island_activity_set.h"
#include "activities/privacy_watch.h"
#include "common/ini_document.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

class PrivacyDotTest : public ::testing::Test {
 protected:
  PrivacyDotTest() {
    record_.style = IslandStyle::Pill;
    record_.card = NoticeCard{L"Download concluído", L"a.zip", kDownloadGlyph, kDownloadBlue, {}, {}};
  }
  void Draw(IslandState state) {
    canvas_.ops.clear();
    record_.state = state;
    activities_.DrawContent(canvas_, {state, record_, media_, countdown_, kShape, 11.0f, 1.0f, 30.0f, 0.0});
  }
  // The dot: a round rectangle whose radius is the dot's.
  std::vector<const CanvasOp*> Dots() const {
    std::vector<const CanvasOp*> dots;
    for (const CanvasOp* op : canvas_.Ops(K::FillRoundedRect)) {
      if (op->radius == kPrivacyDotRadius) dots.push_back(op);
    }
    return dots;
  }

  static constexpr RectF kShape{120, 0, 376, 34};
  FontSet fonts_;
  IniDocument file_;
  Settings settings_{file_};
  std::vector<std::wstring> revealed_;
  int watcher_starts_ = 0;
  IslandActivitySet activities_{fonts_, settings_, [this] {
                                  ActivityPorts ports;
                                  ports.reveal = [this](const std::wstring& path) { revealed_.push_back(path); };
                                  ports.start_watchers = [this] { ++watcher_starts_; };
                                  return ports;
                                }()};
  IslandRecord record_;
  MediaSnapshot media_;
  Countdown countdown_;
  testing::RecordingCanvas canvas_;
};

TEST_F(PrivacyDotTest, TheIdlePillShowsAnOrangeDotForTheMicrophoneAtItsRightEnd) {
  Draw(IslandState::Idle);
  EXPECT_TRUE(Dots().empty());
  record_.privacy_bits = kMicrophoneInUse;
  Draw(IslandState::Idle);
  const auto dots = Dots();
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0]->colour, kMicrophoneOrange);
  EXPECT_FLOAT_EQ(dots[0]->rect.centre().x, 376.0f - 13.0f);
  EXPECT_FLOAT_EQ(dots[0]->rect.centre().y, 17.0f);
  EXPECT_NEAR(dots[0]->rect.width(), 6.4f, 0.001f);
}

TEST_F(PrivacyDotTest, TheCameraWinsAndBothBitsGiveAGreenDot) {
  record_.privacy_bits = kCameraInUse;
  Draw(IslandState::Idle);
  ASSERT_EQ(Dots().size(), 1u);
  EXPECT_EQ(Dots()[0]->colour, kCameraGreen);
  record_.privacy_bits = kMicrophoneInUse | kCameraInUse;
  Draw(IslandState::Idle);
  ASSERT_EQ(Dots().size(), 1u);
  EXPECT_EQ(Dots()[0]->colour, kCameraGreen);
}

TEST_F(PrivacyDotTest, OnlyThePillStatesShowTheDot) {
  record_.privacy_bits = kMicrophoneInUse;
  for (const IslandState state : {IslandState::Idle, IslandState::Media, IslandState::Timer}) {
    Draw(state);
    EXPECT_EQ(Dots().size(), 1u) << static_cast<int>(state);
  }
  for (const IslandState state : {IslandState::Hidden, IslandState::Hud, IslandState::Notification}) {
    Draw(state);
    EXPECT_TRUE(Dots().empty()) << static_cast<int>(state);
  }
}

TEST_F(PrivacyDotTest, ThePillsOwnContentKeepsClearOfTheDot) {
  media_.has_media = media_.playing = true;
  media_.title = L"Horizonte";
  const auto rightmost = [&] {
    float right = 0.0f;
    for (const CanvasOp& op : canvas_.ops) {
      if (op.kind != K::CreatePath && op.radius != kPrivacyDotRadius) right = std::max(right, op.rect.right);
    }
    return right;
  };
  Draw(IslandState::Media);
  const float without = rightmost();
  record_.privacy_bits = kCameraInUse;
  Draw(IslandState::Media);
  EXPECT_FLOAT_EQ(rightmost(), without - kPrivacyReserve);
  EXPECT_EQ(PrivacyContentShape(kShape, IslandState::Expanded, kCameraInUse), kShape);
}

TEST_F(PrivacyDotTest, TheDownloadCardRevealsItsFileAndTheWatchersStartThroughThePorts) {
  NoticeCard card;
  activities_.DecorateDownloadCard(card, L"C:\\Users\\ana\\Downloads\\a.zip");
  ASSERT_TRUE(card.click_action);
  EXPECT_TRUE(revealed_.empty());
  card.click_action();
  EXPECT_EQ(revealed_, std::vector<std::wstring>{L"C:\\Users\\ana\\Downloads\\a.zip"});
  activities_.StartWatchers();
  EXPECT_EQ(watcher_starts_, 1);
}

}  // namespace
}  // namespace notch
