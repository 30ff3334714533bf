#pragma once
// The one binding to the default output endpoint (render flow, console role):
// its volume control, the device's id and friendly name, the last volume and
// mute state read from it, and the rule that turns a change into the island's
// volume HUD. The system's endpoints come through AudioEndpoints (Core Audio
// in the program, fakes in the tests); everything here runs on the main
// thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/clock.h"

namespace notch {

struct VolumeReading {
  float level = 0.0f;  // master volume scalar, 0..1
  bool muted = false;
};

// The bound endpoint's volume control.
class EndpointVolume {
 public:
  virtual ~EndpointVolume() = default;
  // Nothing when the level or the mute state cannot be read.
  virtual std::optional<VolumeReading> Read() = 0;
  virtual void SetLevel(float level) = 0;
  virtual void SetMute(bool muted) = 0;
  // The volume-change callback; returns whether the registration took.
  virtual bool RegisterChangeCallback() = 0;
  virtual void UnregisterChangeCallback() = 0;
};

// One output device as the system reports it.
class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  virtual std::optional<std::wstring> Id() = 0;
  // The friendly name, when the device holds one as a wide string.
  virtual std::optional<std::wstring> FriendlyName() = 0;
  virtual std::unique_ptr<EndpointVolume> ActivateVolume() = 0;  // null on failure
};

class AudioEndpoints {
 public:
  virtual ~AudioEndpoints() = default;
  // The default render device of the console role; null when there is none.
  virtual std::unique_ptr<AudioDevice> DefaultOutput() = 0;
  // The default-device callback; returns whether the registration took.
  virtual bool RegisterDeviceCallback() = 0;
  virtual void UnregisterDeviceCallback() = 0;
};

// Core Audio's numbers for the data flow and the role of a default-device
// change.
inline constexpr int kRenderFlow = 0;
inline constexpr int kConsoleRole = 0;

// Only the console role's default render device is followed: communications
// and multimedia roles and capture devices are not the output the island
// shows.
constexpr bool IsDefaultOutputChange(int flow, int role) { return flow == kRenderFlow && role == kConsoleRole; }

// What the Quick Controls panel shows of the output.
struct OutputSummary {
  std::wstring name;
  float level = 0.0f;
  bool muted = false;
  bool available = false;
};

inline constexpr wchar_t kDefaultOutputName[] = L"Default output";

class AudioBinding {
 public:
  static constexpr std::uint64_t kRebindIntervalMs = 1500;
  // Changes of the level up to this much are noise, not a user's change.
  static constexpr float kLevelThreshold = 0.001f;

  // `show_hud` is the island's volume HUD entry point: level 0 when muted.
  using VolumeHud = std::function<void(float level, bool muted)>;
  AudioBinding(const Clock& clock, VolumeHud show_hud) : clock_(clock), show_hud_(std::move(show_hud)) {}
  AudioBinding(const AudioBinding&) = delete;
  AudioBinding& operator=(const AudioBinding&) = delete;

  // Start-up: follows default-device changes and binds. Null `endpoints`
  // (no device enumerator) leaves the volume features off. They must outlive
  // the binding's use.
  void Start(AudioEndpoints* endpoints);
  // Shutdown: releases the binding and stops following device changes.
  void Stop();

  void Bind();
  void Release();
  void ReadVolume();
  void SetVolume(float level);  // 0..1; nothing without a binding
  void ToggleMute();            // nothing without a binding
  // The host's 300 ms timer: while a registration is missing, re-binds at
  // most every 1500 ms and polls the volume in place of the callback.
  void OnHostTimer();

  OutputSummary Summary() const;
  bool bound() const { return volume_ != nullptr; }
  const std::wstring& device_id() const { return device_id_; }
  const std::wstring& device_name() const { return device_name_; }
  float last_level() const { return last_level_; }
  bool last_muted() const { return last_muted_; }
  bool device_callback_registered() const { return device_callback_registered_; }
  bool volume_callback_registered() const { return volume_callback_registered_; }
  std::uint64_t next_rebind_ms() const { return next_rebind_ms_; }

 private:
  const Clock& clock_;
  VolumeHud show_hud_;
  AudioEndpoints* endpoints_ = nullptr;
  bool device_callback_registered_ = false;
  std::unique_ptr<EndpointVolume> volume_;
  bool volume_callback_registered_ = false;
  std::uint64_t next_rebind_ms_ = 0;
  std::wstring device_id_;
  std::wstring device_name_;
  float last_level_ = -1.0f;  // -1: unknown
  bool last_muted_ = false;
};

}  // namespace notch
