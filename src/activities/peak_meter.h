#pragma once
// The default output's peak level, which drives the level bars. The meter is
// made when first needed and, after a failure, again at most every 3 s.
#include <cstdint>
#include <memory>
#include <optional>

namespace notch {

class PeakMeterDevice {
 public:
  virtual ~PeakMeterDevice() = default;
  // Nothing when the meter cannot be read (the device went away).
  virtual std::optional<float> Peak() = 0;
};

class PeakMeterSource {
 public:
  virtual ~PeakMeterSource() = default;
  // A meter on the default render endpoint, or null.
  virtual std::unique_ptr<PeakMeterDevice> OpenDefault() = 0;
};

class PeakMeter {
 public:
  static constexpr std::uint64_t kRetryMs = 3000;

  explicit PeakMeter(PeakMeterSource& source) : source_(source) {}

  std::optional<float> Read(std::uint64_t now_ms);

 private:
  PeakMeterSource& source_;
  std::unique_ptr<PeakMeterDevice> device_;
  std::optional<std::uint64_t> last_failure_ms_;
};

}  // namespace notch
