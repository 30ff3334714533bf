#include "tour-sources/tour_volume.h"

#include <algorithm>
#include <cmath>

namespace notch::tour {
namespace {

class TourEndpointVolume final : public EndpointVolume {
 public:
  explicit TourEndpointVolume(TourOutput& output) : output_(output) {}
  std::optional<VolumeReading> Read() override { return output_.Read(); }
  void SetLevel(float level) override { output_.SetLevel(level); }
  void SetMute(bool muted) override { output_.SetMute(muted); }
  bool RegisterChangeCallback() override { return true; }
  void UnregisterChangeCallback() override {}

 private:
  TourOutput& output_;
};

class TourDevice final : public AudioDevice {
 public:
  explicit TourDevice(TourOutput& output) : output_(output) {}
  std::optional<std::wstring> Id() override { return kTourOutputId; }
  std::optional<std::wstring> FriendlyName() override { return kTourOutputName; }
  std::unique_ptr<EndpointVolume> ActivateVolume() override { return std::make_unique<TourEndpointVolume>(output_); }

 private:
  TourOutput& output_;
};

}  // namespace

TourVolumeSlot VolumeSlotFor(int percent, bool muted) {
  return {static_cast<std::uint32_t>(std::clamp(percent, 0, 100) * 10), muted ? 1u : 0u};
}

VolumeReading TourOutput::Read() const {
  std::lock_guard lock(mutex_);
  return reading_;
}

void TourOutput::SetLevel(float level) {
  if (std::isnan(level)) return;
  std::lock_guard lock(mutex_);
  reading_.level = std::clamp(level, 0.0f, 1.0f);
}

void TourOutput::SetMute(bool muted) {
  std::lock_guard lock(mutex_);
  reading_.muted = muted;
}

bool TourOutput::Apply(const TourVolumeSlot& slot) {
  const VolumeReading next{static_cast<float>(std::min<std::uint32_t>(slot.permille, 1000)) / 1000.0f, slot.muted != 0};
  std::lock_guard lock(mutex_);
  const bool changed = next.level != reading_.level || next.muted != reading_.muted;
  reading_ = next;
  return changed;
}

std::unique_ptr<AudioDevice> TourAudioEndpoints::DefaultOutput() { return std::make_unique<TourDevice>(output_); }

}  // namespace notch::tour
