#include "host/host_audio_win.h"

#include <memory>

#include "host/host_links_win.h"
#include "host/system_sources_win.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_win.h"

namespace notch {
namespace {

void ShowVolumeHud(float level, bool muted) {
  if (Island* island = TheIsland()) island->ShowVolumeHud(level, muted);
}

// Never destroyed: Core Audio may still hold the callback object while the
// process ends.
std::unique_ptr<AudioEndpoints>& Endpoints() {
  static auto* endpoints = new std::unique_ptr<AudioEndpoints>;
  return *endpoints;
}

}  // namespace

AudioBinding& HostAudio() {
  static auto* binding = new AudioBinding(SystemClock(), ShowVolumeHud);
  return *binding;
}

namespace links {

void StartAudio(HWND host) {
  Endpoints() = CreateAudioEndpoints(host);
  HostAudio().Start(Endpoints().get());
}

void RebindAudio() { HostAudio().Bind(); }
void ReadVolume() { HostAudio().ReadVolume(); }
void OnHostTimerAudio() { HostAudio().OnHostTimer(); }
void StopAudio() { HostAudio().Stop(); }

}  // namespace links
}  // namespace notch
