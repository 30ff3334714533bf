#pragma once
// The tour build's output device: one endpoint whose level and mute state
// the driver sets through a small slot of shared memory, as a person turns
// the system volume, and the panel's slider sets as it would a real device.
#include <cstdint>
#include <memory>
#include <mutex>

#include "host/audio_binding.h"

namespace notch::tour {

// The shared slot's layout: the level in thousandths, and nonzero for muted.
struct TourVolumeSlot {
  std::uint32_t permille = 0;
  std::uint32_t muted = 0;
};

// `percent` is cut to 0..100.
TourVolumeSlot VolumeSlotFor(int percent, bool muted);

inline constexpr wchar_t kTourOutputId[] = L"{0.0.0.00000000}.{tour-speakers}";
inline constexpr wchar_t kTourOutputName[] = L"Speakers (Tour Audio)";

// The device's state, shared by the binding's volume controls (main thread)
// and the driver's changes (a wait callback's thread).
class TourOutput {
 public:
  VolumeReading Read() const;
  void SetLevel(float level);  // cut to 0..1; NaN is no change
  void SetMute(bool muted);
  // The slot's level, cut to 0..1. Whether the reading changed.
  bool Apply(const TourVolumeSlot& slot);

 private:
  mutable std::mutex mutex_;
  VolumeReading reading_{0.5f, false};
};

// What the binding sees: the one device, always the default, whose volume
// control reads and sets `output`. Its registrations always take; the tour
// build posts the change itself when the driver moves the level.
class TourAudioEndpoints final : public AudioEndpoints {
 public:
  explicit TourAudioEndpoints(TourOutput& output) : output_(output) {}
  std::unique_ptr<AudioDevice> DefaultOutput() override;
  bool RegisterDeviceCallback() override { return true; }
  void UnregisterDeviceCallback() override {}

 private:
  TourOutput& output_;
};

}  // namespace notch::tour
