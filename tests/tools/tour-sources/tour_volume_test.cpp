#include "tour-sources/tour_volume.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "common/clock.h"

namespace notch::tour {
namespace {

struct HudCall {
  float level;
  bool muted;
};

class TourVolumeTest : public ::testing::Test {
 protected:
  // The driver's step as the tour build takes it: the slot applied, then the
  // host's read on the posted change.
  void DriverSets(int percent, bool muted) {
    if (output_.Apply(VolumeSlotFor(percent, muted))) binding_.ReadVolume();
  }

  ManualClock clock_{1000};
  TourOutput output_;
  TourAudioEndpoints endpoints_{output_};
  std::vector<HudCall> huds_;
  AudioBinding binding_{clock_, [this](float level, bool muted) { huds_.push_back({level, muted}); }};
};

TEST_F(TourVolumeTest, TheDriversChangesReachTheBindingAsAVolumeHud) {
  binding_.Start(&endpoints_);
  ASSERT_TRUE(binding_.bound());
  EXPECT_TRUE(binding_.volume_callback_registered());  // so the host never polls it
  EXPECT_EQ(binding_.Summary().name, kTourOutputName);
  EXPECT_TRUE(huds_.empty());  // binding shows nothing

  DriverSets(40, false);
  ASSERT_EQ(huds_.size(), 1u);
  EXPECT_FLOAT_EQ(huds_[0].level, 0.4f);
  DriverSets(40, false);  // the same level again: no change to post
  EXPECT_EQ(huds_.size(), 1u);
  DriverSets(40, true);
  ASSERT_EQ(huds_.size(), 2u);
  EXPECT_TRUE(huds_[1].muted);
  EXPECT_EQ(huds_[1].level, 0.0f);
}

TEST_F(TourVolumeTest, TheSliderSetsTheDeviceAndOutOfRangeValuesAreCut) {
  binding_.Start(&endpoints_);
  binding_.SetVolume(0.75f);
  EXPECT_FLOAT_EQ(output_.Read().level, 0.75f);
  output_.SetLevel(std::numeric_limits<float>::quiet_NaN());
  EXPECT_FLOAT_EQ(output_.Read().level, 0.75f);
  output_.SetLevel(3.0f);
  EXPECT_EQ(output_.Read().level, 1.0f);

  EXPECT_EQ(VolumeSlotFor(250, false).permille, 1000u);
  EXPECT_EQ(VolumeSlotFor(-5, false).permille, 0u);
  output_.Apply(TourVolumeSlot{0xFFFFFFFFu, 7});  // a slot written by something else
  EXPECT_EQ(output_.Read().level, 1.0f);
  EXPECT_TRUE(output_.Read().muted);
}

}  // namespace
}  // namespace notch::tour
