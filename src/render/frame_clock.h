#pragma once
// The frame clock paces animation frames to the desktop compositor: after
// every compositor frame it posts one frame message to its window. This is
// its logic; frame_clock_win.cpp runs it on a high-priority thread.
#include <atomic>
#include <cstdint>
#include <string>

namespace notch {

// Shared between the window thread and the clock's thread.
class FrameClockState {
 public:
  static constexpr std::uint32_t kRepostAfterMs = 250;

  std::atomic<bool> running{true};
  std::atomic<bool> pending{false};
  std::atomic<bool> acknowledged{false};
  std::atomic<std::uint32_t> last_post_tick{0};

  // Once the window has acknowledged a frame, at most one message is
  // outstanding, re-posted when it has been stuck for 250 ms.
  bool ShouldPost(std::uint32_t now) const {
    return !(acknowledged.load() && pending.load() && now - last_post_tick.load() < kRepostAfterMs);
  }
  void MarkPosted(std::uint32_t now) {
    pending.exchange(true);
    last_post_tick.store(now);
  }
  // The window received its frame message; returns whether one was pending.
  bool Acknowledge() {
    acknowledged.exchange(true);
    return pending.exchange(false);
  }
  // Returns whether the parked thread must be woken.
  bool SetRunning(bool on) {
    if (!on) {
      running.exchange(false);
      return false;
    }
    return !running.exchange(true);
  }
};

// What the clock's thread does to the system.
class FrameClockDriver {
 public:
  struct Flush {
    bool succeeded = true;
    double elapsed_ms = 0.0;
  };
  virtual ~FrameClockDriver() = default;
  virtual Flush WaitForCompositor() = 0;     // DwmFlush
  virtual double RefreshIntervalMs() = 0;     // of the primary monitor
  virtual void Sleep(double ms) = 0;
  virtual bool WindowAlive() = 0;
  virtual void Post() = 0;
  virtual std::uint32_t TickMs() = 0;
  virtual void LogLongRun(std::uint32_t seconds) = 0;
};

// How long to wait after the compositor call so that a frame takes at least
// about one refresh interval: the call can fail or return at once
// (composition off, some remote sessions, Wine), and the clock must not spin.
double FramePaddingMs(const FrameClockDriver::Flush& flush, double refresh_interval_ms);

// One run of the clock: posts frames while running and the window lives,
// and returns when it should park.
void RunFrameClock(FrameClockState& state, FrameClockDriver& driver);

// The line logged at the 1200th post of a run.
inline constexpr unsigned kLongRunPosts = 1200;

}  // namespace notch
