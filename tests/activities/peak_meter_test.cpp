#include "activities/peak_meter.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

class FakeMeterSource final : public PeakMeterSource {
 public:
  bool available = false;
  bool device_fails = false;
  int opens = 0;

  std::unique_ptr<PeakMeterDevice> OpenDefault() override {
    ++opens;
    if (!available) return nullptr;
    return std::make_unique<Device>(*this);
  }

 private:
  class Device final : public PeakMeterDevice {
   public:
    explicit Device(FakeMeterSource& owner) : owner_(owner) {}
    std::optional<float> Peak() override {
      if (owner_.device_fails) return std::nullopt;
      return 0.5f;
    }

   private:
    FakeMeterSource& owner_;
  };
};

TEST(PeakMeterTest, IsMadeLazilyAndRetriedAtMostEveryThreeSeconds) {
  FakeMeterSource source;
  PeakMeter meter(source);
  EXPECT_EQ(source.opens, 0);
  EXPECT_EQ(meter.Read(1000), std::nullopt);
  EXPECT_EQ(meter.Read(3999), std::nullopt);
  EXPECT_EQ(source.opens, 1);
  source.available = true;
  EXPECT_EQ(meter.Read(4000), 0.5f);
  EXPECT_EQ(meter.Read(4033), 0.5f);
  EXPECT_EQ(source.opens, 2);  // kept while it works

  source.device_fails = true;  // the device went away
  EXPECT_EQ(meter.Read(5000), std::nullopt);
  source.device_fails = false;
  EXPECT_EQ(meter.Read(7999), std::nullopt);
  EXPECT_EQ(meter.Read(8000), 0.5f);
  EXPECT_EQ(source.opens, 3);
}

}  // namespace
}  // namespace notch
