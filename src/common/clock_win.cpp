#include <windows.h>

#include "common/clock.h"

namespace notch {
namespace {

class WindowsClock final : public Clock {
 public:
  WindowsClock() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    ms_per_count_ = 1000.0 / static_cast<double>(frequency.QuadPart);
  }
  double NowMs() const override {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * ms_per_count_;
  }
  std::uint64_t TickMs() const override { return GetTickCount64(); }

 private:
  double ms_per_count_ = 0.0;
};

}  // namespace

const Clock& SystemClock() {
  static const WindowsClock clock;
  return clock;
}

}  // namespace notch
