#include "render/frame_clock.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace notch {
namespace {

// A compositor that takes `frame_ms` per frame (0: returns at once), on a
// virtual clock.
class FakeDriver final : public FrameClockDriver {
 public:
  Flush WaitForCompositor() override {
    now_ms += frame_ms;
    return {flush_succeeds, frame_ms};
  }
  double RefreshIntervalMs() override { return 16.0; }
  void Sleep(double ms) override {
    now_ms += ms;
    slept_ms += ms;
  }
  bool WindowAlive() override { return alive; }
  void Post() override {
    post_times.push_back(TickMs());
    if (on_post) on_post(post_times.size());
  }
  std::uint32_t TickMs() override { return static_cast<std::uint32_t>(now_ms); }
  void LogLongRun(std::uint32_t seconds) override { long_run_seconds.push_back(seconds); }

  double now_ms = 1000.0;
  double frame_ms = 16.0;
  bool flush_succeeds = true;
  bool alive = true;
  double slept_ms = 0.0;
  std::vector<std::uint32_t> post_times;
  std::vector<std::uint32_t> long_run_seconds;
  std::function<void(std::size_t)> on_post;
};

// Runs until `posts` messages went out.
void RunPosts(FrameClockState& state, FakeDriver& driver, std::size_t posts) {
  driver.on_post = [&](std::size_t count) {
    if (count >= posts) state.running.store(false);
  };
  RunFrameClock(state, driver);
}

TEST(FrameClockTest, PostsEveryFrameUntilTheWindowFirstAcknowledges) {
  FrameClockState state;
  FakeDriver driver;
  RunPosts(state, driver, 5);
  ASSERT_EQ(driver.post_times.size(), 5u);
  EXPECT_EQ(driver.post_times[4] - driver.post_times[0], 64u);  // one per 16 ms frame
  EXPECT_TRUE(state.pending.load());
}

TEST(FrameClockTest, AfterAnAcknowledgementAStuckMessageIsRepostedEvery250Ms) {
  FrameClockState state;
  FakeDriver driver;
  state.Acknowledge();  // the window has handled a frame once
  RunPosts(state, driver, 3);
  // The window never handles these: only one outstanding, re-sent at 250 ms.
  ASSERT_EQ(driver.post_times.size(), 3u);
  EXPECT_GE(driver.post_times[1] - driver.post_times[0], FrameClockState::kRepostAfterMs);
  EXPECT_LT(driver.post_times[1] - driver.post_times[0], FrameClockState::kRepostAfterMs + 16);

  // A window that keeps up gets one message per frame.
  FrameClockState quick;
  FakeDriver quick_driver;
  quick.Acknowledge();
  quick_driver.on_post = [&](std::size_t count) {
    EXPECT_TRUE(quick.Acknowledge());
    if (count >= 4) quick.running.store(false);
  };
  RunFrameClock(quick, quick_driver);
  EXPECT_EQ(quick_driver.post_times[3] - quick_driver.post_times[0], 48u);
}

TEST(FrameClockTest, ADestroyedWindowStopsTheClockAndOnlySetRunningWakesIt) {
  FrameClockState state;
  FakeDriver driver;
  driver.alive = false;
  RunFrameClock(state, driver);  // returns: the thread parks
  EXPECT_TRUE(driver.post_times.empty());
  EXPECT_FALSE(state.running.load());
  EXPECT_TRUE(state.SetRunning(true));    // parked: must be woken
  EXPECT_FALSE(state.SetRunning(true));   // already running
  EXPECT_FALSE(state.SetRunning(false));  // pausing never wakes
}

TEST(FrameClockTest, ACompositorThatReturnsAtOnceDoesNotMakeTheClockSpin) {
  for (const bool succeeds : {true, false}) {
    FrameClockState state;
    FakeDriver driver;
    driver.frame_ms = 0.0;
    driver.flush_succeeds = succeeds;
    RunPosts(state, driver, 10);
    EXPECT_EQ(driver.post_times[9] - driver.post_times[0], 9u * 16u) << succeeds;
    EXPECT_DOUBLE_EQ(driver.slept_ms, 10 * 16.0) << succeeds;
  }
  EXPECT_DOUBLE_EQ(FramePaddingMs({true, 15.0}, 16.0), 0.0);
  EXPECT_DOUBLE_EQ(FramePaddingMs({true, 1.0}, 16.0), 15.0);
  EXPECT_DOUBLE_EQ(FramePaddingMs({false, 15.0}, 16.0), 16.0);
}

TEST(FrameClockTest, LogsOnceAtThe1200thPostOfARun) {
  FrameClockState state;
  FakeDriver driver;
  RunPosts(state, driver, 1300);
  ASSERT_EQ(driver.long_run_seconds.size(), 1u);
  EXPECT_EQ(driver.long_run_seconds[0], (1199u * 16u + 16u) / 1000u);
}

}  // namespace
}  // namespace notch
