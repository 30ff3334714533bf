#include "host/audio_binding.h"

#include <algorithm>
#include <cmath>

namespace notch {

void AudioBinding::Start(AudioEndpoints* endpoints) {
  endpoints_ = endpoints;
  if (endpoints_ == nullptr) return;
  device_callback_registered_ = endpoints_->RegisterDeviceCallback();
  Bind();
}

void AudioBinding::Stop() {
  Release();
  if (device_callback_registered_) endpoints_->UnregisterDeviceCallback();
  device_callback_registered_ = false;
}

void AudioBinding::Bind() {
  if (endpoints_ == nullptr) return;
  next_rebind_ms_ = clock_.TickMs() + kRebindIntervalMs;
  const std::unique_ptr<AudioDevice> device = endpoints_->DefaultOutput();
  const std::optional<std::wstring> id = device ? device->Id() : std::nullopt;
  if (!id) {
    Release();
    return;
  }
  if (!volume_ || *id != device_id_) {
    Release();
    device_id_ = *id;
    if (std::optional<std::wstring> name = device->FriendlyName()) device_name_ = std::move(*name);
    volume_ = device->ActivateVolume();
    if (!volume_) {
      // A device without a volume control is no binding at all.
      Release();
      return;
    }
    // The level is still unknown here, so the new device shows no HUD.
    ReadVolume();
  }
  if (!volume_callback_registered_) volume_callback_registered_ = volume_->RegisterChangeCallback();
}

void AudioBinding::Release() {
  if (volume_callback_registered_) volume_->UnregisterChangeCallback();
  volume_callback_registered_ = false;
  volume_.reset();
  device_id_.clear();
  device_name_.clear();
  last_level_ = -1.0f;
}

void AudioBinding::ReadVolume() {
  if (!volume_) return;
  const std::optional<VolumeReading> reading = volume_->Read();
  // A driver's answer outside the scalar range is not a reading.
  if (!reading || !std::isfinite(reading->level)) return;
  const float level = std::clamp(reading->level, 0.0f, 1.0f);
  const bool changed = std::fabs(level - last_level_) > kLevelThreshold || reading->muted != last_muted_;
  if (last_level_ >= 0.0f && changed && show_hud_) show_hud_(reading->muted ? 0.0f : level, reading->muted);
  last_level_ = level;
  last_muted_ = reading->muted;
}

void AudioBinding::SetVolume(float level) {
  if (!volume_ || std::isnan(level)) return;
  volume_->SetLevel(std::clamp(level, 0.0f, 1.0f));
  ReadVolume();
}

void AudioBinding::ToggleMute() {
  if (!volume_) return;
  volume_->SetMute(!last_muted_);
  ReadVolume();
}

void AudioBinding::OnHostTimer() {
  if (device_callback_registered_ && volume_callback_registered_) return;
  if (clock_.TickMs() >= next_rebind_ms_) Bind();
  if (volume_callback_registered_) return;
  ReadVolume();
}

OutputSummary AudioBinding::Summary() const {
  OutputSummary summary;
  summary.name = device_name_.empty() ? kDefaultOutputName : device_name_;
  summary.level = last_level_ > 0.0f ? last_level_ : 0.0f;
  summary.muted = last_muted_;
  summary.available = volume_ != nullptr && last_level_ >= 0.0f;
  return summary;
}

}  // namespace notch
