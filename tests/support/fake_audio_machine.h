#pragma once
// A machine with a few render endpoints, one of them the default: the audio
// binding's view of it (AudioEndpoints) and the enumeration and switching
// view (OutputEndpoints) share it, so a switch is seen by the next bind.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/audio_binding.h"
#include "system/audio_outputs.h"

namespace notch::testing {

struct FakeAudioMachine {
  std::vector<audio_out::ActiveEndpoint> active;
  std::wstring default_id;
  std::map<int, bool> role_fails;  // role -> the switch fails for it
  std::vector<std::pair<std::wstring, int>> switches;
  float level = 0.3f;
  bool muted = false;
};

class FakeEndpointVolume final : public EndpointVolume {
 public:
  explicit FakeEndpointVolume(FakeAudioMachine& machine) : machine_(machine) {}
  std::optional<notch::VolumeReading> Read() override { return notch::VolumeReading{machine_.level, machine_.muted}; }
  void SetLevel(float level) override { machine_.level = level; }
  void SetMute(bool muted) override { machine_.muted = muted; }
  bool RegisterChangeCallback() override { return true; }
  void UnregisterChangeCallback() override {}

 private:
  FakeAudioMachine& machine_;
};

class FakeAudioDevice final : public AudioDevice {
 public:
  FakeAudioDevice(FakeAudioMachine& machine, std::wstring id, std::optional<std::wstring> name)
      : machine_(machine), id_(std::move(id)), name_(std::move(name)) {}
  std::optional<std::wstring> Id() override { return id_; }
  std::optional<std::wstring> FriendlyName() override { return name_; }
  std::unique_ptr<EndpointVolume> ActivateVolume() override { return std::make_unique<FakeEndpointVolume>(machine_); }

 private:
  FakeAudioMachine& machine_;
  std::wstring id_;
  std::optional<std::wstring> name_;
};

class FakeAudioEndpoints final : public AudioEndpoints {
 public:
  explicit FakeAudioEndpoints(FakeAudioMachine& machine) : machine_(machine) {}
  std::unique_ptr<AudioDevice> DefaultOutput() override {
    for (const audio_out::ActiveEndpoint& e : machine_.active) {
      if (e.id == machine_.default_id) return std::make_unique<FakeAudioDevice>(machine_, e.id, e.friendly_name);
    }
    return nullptr;
  }
  bool RegisterDeviceCallback() override { return true; }
  void UnregisterDeviceCallback() override {}

 private:
  FakeAudioMachine& machine_;
};

class FakeOutputEndpoints final : public audio_out::OutputEndpoints {
 public:
  explicit FakeOutputEndpoints(FakeAudioMachine& machine) : machine_(machine) {}
  std::vector<audio_out::ActiveEndpoint> ActiveOutputs() override { return machine_.active; }
  bool SetDefaultEndpoint(const std::wstring& id, int role) override {
    machine_.switches.emplace_back(id, role);
    if (machine_.role_fails[role]) return false;
    if (role == 0) machine_.default_id = id;
    return true;
  }

 private:
  FakeAudioMachine& machine_;
};

}  // namespace notch::testing
