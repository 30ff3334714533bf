#include <chrono>

#include "common/clock.h"

namespace notch {
namespace {

class SteadyClock final : public Clock {
 public:
  double NowMs() const override {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
  std::uint64_t TickMs() const override {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
  }
};

}  // namespace

const Clock& SystemClock() {
  static const SteadyClock clock;
  return clock;
}

}  // namespace notch
