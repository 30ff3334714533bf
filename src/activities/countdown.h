#pragma once
// The countdown timer of the timer page: start from a preset, pause, resume,
// stop, add a minute. Times are monotonic milliseconds.
#include <string>

namespace notch {

class Countdown {
 public:
  bool active() const { return active_; }
  bool paused() const { return paused_; }
  double total_ms() const { return total_ms_; }

  // 0 when not active, the frozen time while paused, else what is left.
  double Remaining(double now_ms) const;

  void Start(double minutes, double now_ms);
  void TogglePause(double now_ms);
  void Stop();
  void AddMinute(double now_ms);
  // Ends a countdown that has run out; returns whether it did.
  bool FinishIfDue(double now_ms);

  // The period for the completion timer, or 0 when it should not run.
  unsigned CompletionTimerMs(double now_ms) const;

 private:
  bool active_ = false;
  bool paused_ = false;
  double total_ms_ = 0.0;
  double end_time_ms_ = 0.0;
  double remaining_at_pause_ms_ = 0.0;
};

// "m:ss" below an hour, "h:mm:ss" from an hour on; seconds round up, so
// 59.2 s shows 1:00 and 0.5 s shows 0:01.
std::wstring FormatCountdown(double ms);

}  // namespace notch
