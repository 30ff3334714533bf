#pragma once
// Time as the program reads it: a high-resolution monotonic clock in
// milliseconds (animations, media positions, timers) and the whole-millisecond
// tick count used for deadlines.
#include <cstdint>

namespace notch {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual double NowMs() const = 0;
  virtual std::uint64_t TickMs() const = 0;
};

// The platform's clock (performance counter and tick count on Windows).
const Clock& SystemClock();

// A clock that moves only when told to: tests and script replays.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(double start_ms = 0.0) : now_ms_(start_ms) {}
  double NowMs() const override { return now_ms_; }
  std::uint64_t TickMs() const override { return now_ms_ <= 0.0 ? 0 : static_cast<std::uint64_t>(now_ms_); }
  void Advance(double ms) { now_ms_ += ms; }
  void Set(double ms) { now_ms_ = ms; }

 private:
  double now_ms_;
};

}  // namespace notch
