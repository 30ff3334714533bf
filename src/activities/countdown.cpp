#include "activities/countdown.h"

#include <algorithm>
#include <cmath>

#include "common/duration_text.h"

namespace notch {
namespace {

constexpr double kMinuteMs = 60000.0;
constexpr double kLongestTimerMs = 2147483647.0;

}  // namespace

double Countdown::Remaining(double now_ms) const {
  if (!active_) return 0.0;
  if (paused_) return remaining_at_pause_ms_;
  return std::max(end_time_ms_ - now_ms, 0.0);
}

void Countdown::Start(double minutes, double now_ms) {
  total_ms_ = minutes * kMinuteMs;
  end_time_ms_ = now_ms + total_ms_;
  active_ = true;
  paused_ = false;
}

void Countdown::TogglePause(double now_ms) {
  if (!active_) return;
  if (paused_) {
    end_time_ms_ = now_ms + remaining_at_pause_ms_;
    paused_ = false;
  } else {
    remaining_at_pause_ms_ = Remaining(now_ms);
    paused_ = true;
  }
}

void Countdown::Stop() {
  active_ = false;
  paused_ = false;
}

void Countdown::AddMinute(double now_ms) {
  if (!active_) return;
  if (paused_) {
    remaining_at_pause_ms_ += kMinuteMs;
  } else {
    end_time_ms_ += kMinuteMs;
  }
  total_ms_ = std::max(total_ms_, Remaining(now_ms));
}

bool Countdown::FinishIfDue(double now_ms) {
  if (!active_ || paused_ || Remaining(now_ms) > 0.0) return false;
  active_ = false;
  return true;
}

unsigned Countdown::CompletionTimerMs(double now_ms) const {
  if (!active_ || paused_) return 0;
  return static_cast<unsigned>(std::clamp(std::ceil(Remaining(now_ms)), 1.0, kLongestTimerMs));
}

std::wstring FormatCountdown(double ms) {
  return FormatWholeSeconds(static_cast<long long>(std::ceil(ms / 1000.0 - 0.001)));
}

}  // namespace notch
