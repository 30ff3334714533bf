#include "render/frame_clock.h"

namespace notch {

double FramePaddingMs(const FrameClockDriver::Flush& flush, double refresh_interval_ms) {
  if (!flush.succeeded) return refresh_interval_ms;
  // A real compositor wait takes most of a frame; a quarter of one is not one.
  if (flush.elapsed_ms < refresh_interval_ms / 4.0) return refresh_interval_ms - flush.elapsed_ms;
  return 0.0;
}

void RunFrameClock(FrameClockState& state, FrameClockDriver& driver) {
  const std::uint32_t start = driver.TickMs();
  unsigned posts = 0;
  while (state.running.load()) {
    const FrameClockDriver::Flush flush = driver.WaitForCompositor();
    if (const double padding = FramePaddingMs(flush, driver.RefreshIntervalMs()); padding > 0.0) {
      driver.Sleep(padding);
    }
    if (!state.running.load()) return;
    if (!driver.WindowAlive()) {
      state.running.exchange(false);
      return;
    }
    const std::uint32_t now = driver.TickMs();
    if (!state.ShouldPost(now)) continue;
    state.MarkPosted(now);
    driver.Post();
    if (++posts == kLongRunPosts) driver.LogLongRun((now - start) / 1000);
  }
}

}  // namespace notch
