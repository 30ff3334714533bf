#include "activities/media_session_worker.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/log_capture.h"

namespace notch {
namespace {

constexpr std::int64_t kSecond = 10'000'000;

class FakeSession final : public MediaSessionPort {
 public:
  bool connects = true;
  bool switch_succeeds = true;
  bool has_session = false;
  SessionReading reading;
  std::vector<std::pair<MediaCommand, double>> executed;
  std::vector<ArtJob> art_loads;
  int cancels = 0;
  int switches = 0;

  bool Connect() override { return connects; }
  bool SwitchToCurrentSession() override {
    ++switches;
    has_session = switch_succeeds;
    return switch_succeeds;
  }
  bool HasSession() const override { return has_session; }
  void Execute(const MediaCommand& command, double start) override { executed.emplace_back(command, start); }
  SessionReading Read() override { return reading; }
  void StartArtLoad(const ArtJob& job) override { art_loads.push_back(job); }
  void CancelArtLoad() override { ++cancels; }
};

class MediaSessionWorkerTest : public ::testing::Test {
 protected:
  void Play(const std::wstring& title, PlaybackStatus status = PlaybackStatus::Playing) {
    session_.reading.status = status;
    session_.reading.track = {title, L"Artist", L"Album", 1};
    session_.reading.timeline = {10 * kSecond, 210 * kSecond, 40 * kSecond, 0, 0};
  }
  MediaWakeRequest Request(bool session_changed = false, bool refetch = false) {
    MediaWakeRequest request;
    request.wake = true;
    request.session_changed = session_changed;
    request.refetch = refetch;
    return request;
  }

  testing::LogCapture log_;
  MediaState state_;
  FakeSession session_;
  ManualClock clock_{5000.0};
  int notifications_ = 0;
  MediaSessionWorker worker_{state_, session_, clock_, [this] { ++notifications_; }};
};

TEST_F(MediaSessionWorkerTest, WithoutTheMediaControlsTheThreadLogsAndEnds) {
  session_.connects = false;
  EXPECT_FALSE(worker_.Start());
  ASSERT_EQ(log_.lines().size(), 1u);
  EXPECT_EQ(log_.lines()[0], L"ilha: sem acesso aos controles de mídia do Windows");
}

TEST_F(MediaSessionWorkerTest, PublishesWhatPlaysAndLoadsArtOncePerTrack) {
  Play(L"Song");
  worker_.Serve(Request(true));
  EXPECT_EQ(session_.switches, 1);
  EXPECT_EQ(notifications_, 1);
  {
    std::lock_guard lock(state_.mutex);
    EXPECT_TRUE(state_.pending.has_media);
    EXPECT_TRUE(state_.pending.playing);
    EXPECT_EQ(state_.pending.title, L"Song");
    EXPECT_DOUBLE_EQ(state_.pending.position_s, 30.0);
    EXPECT_DOUBLE_EQ(state_.pending.duration_s, 200.0);
    EXPECT_DOUBLE_EQ(state_.pending.sample_time_ms, 5000.0);
  }
  ASSERT_EQ(session_.art_loads.size(), 1u);
  EXPECT_EQ(session_.art_loads[0].generation, 1u);

  worker_.Serve(Request());  // the same track again: no new art
  EXPECT_EQ(session_.art_loads.size(), 1u);
  worker_.Serve(Request(false, true));  // its properties changed: load again
  ASSERT_EQ(session_.art_loads.size(), 2u);
  EXPECT_EQ(session_.art_loads[1].generation, 2u);

  Play(L"Next");
  worker_.Serve(Request());
  ASSERT_EQ(session_.art_loads.size(), 3u);
  EXPECT_EQ(session_.art_loads[2].track.title, L"Next");
}

TEST_F(MediaSessionWorkerTest, ANewTrackDropsTheOldArtButTheSameTrackKeepsIt) {
  Play(L"Song");
  worker_.Serve(Request(true));
  {
    std::lock_guard lock(state_.mutex);
    state_.pending.art_pixels = std::make_shared<const std::vector<std::uint8_t>>(16, 1);
    state_.pending.art_width = state_.pending.art_height = 2;
  }
  worker_.Serve(Request());
  EXPECT_NE(state_.pending.art_pixels, nullptr);
  Play(L"Other");
  worker_.Serve(Request());
  EXPECT_EQ(state_.pending.art_pixels, nullptr);
  EXPECT_EQ(state_.pending.tint, (Colour{1, 1, 1, 1}));
}

TEST_F(MediaSessionWorkerTest, AnEmptyTitleIsNoMediaAndStartsNoArtLoad) {
  Play(L"");
  worker_.Serve(Request(true));
  EXPECT_FALSE(state_.pending.has_media);
  EXPECT_TRUE(state_.pending.playing);
  EXPECT_TRUE(session_.art_loads.empty());
  EXPECT_EQ(session_.cancels, 1);  // a new "track": any earlier load is cancelled
}

TEST_F(MediaSessionWorkerTest, CommandsRunInOrderAgainstTheLastTimelineStart) {
  Play(L"Song");
  worker_.Serve(Request(true));
  MediaWakeRequest request = Request();
  request.commands = {{MediaCommandKind::Seek, 100.0}, {MediaCommandKind::TogglePlayPause, 0.0}};
  worker_.Serve(request);
  ASSERT_EQ(session_.executed.size(), 2u);
  EXPECT_EQ(session_.executed[0].first.kind, MediaCommandKind::Seek);
  EXPECT_DOUBLE_EQ(session_.executed[0].second, 10.0);
  EXPECT_EQ(session_.executed[1].first.kind, MediaCommandKind::TogglePlayPause);

  session_.has_session = false;  // commands without a session are dropped
  worker_.Serve(request);
  EXPECT_EQ(session_.executed.size(), 2u);
  EXPECT_FALSE(state_.pending.has_media);
}

TEST_F(MediaSessionWorkerTest, AFailedSessionSwitchIsLoggedAndReadsAsNoMedia) {
  session_.switch_succeeds = false;
  Play(L"Song");
  worker_.Serve(Request(true));
  EXPECT_FALSE(state_.pending.has_media);
  ASSERT_FALSE(log_.lines().empty());
  EXPECT_EQ(log_.lines().back(), L"ilha: sem acesso aos controles de mídia do Windows");
}

TEST_F(MediaSessionWorkerTest, WakeRequestsAccumulateUntilTaken) {
  PostMediaCommand(state_, {MediaCommandKind::Next, 0});
  WakeMediaThread(state_, true, false);
  WakeMediaThread(state_, false, true);
  const MediaWakeRequest request = TakeMediaWakeRequest(state_);
  EXPECT_TRUE(request.session_changed);
  EXPECT_TRUE(request.refetch);
  ASSERT_EQ(request.commands.size(), 1u);
  EXPECT_FALSE(state_.request.wake);
  EXPECT_TRUE(state_.request.commands.empty());
}

}  // namespace
}  // namespace notch
