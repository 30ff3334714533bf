#include "host/system_sources_win.h"

#include "activities/media_session_win.h"
#include "host/audio_events_win.h"
#include "host/core_audio_endpoints_win.h"
#include "host/notification_listener_win.h"
#include "lyrics/http_transport_winhttp_win.h"

namespace notch {

// Only the seam's definitions live in this unit: a build that links its own
// definitions never pulls it from the library.

std::unique_ptr<MediaSessionPort> CreateMediaSession(MediaState& state, std::function<void()> notify_island) {
  return std::make_unique<WinRtMediaSession>(state, std::move(notify_island));
}

std::unique_ptr<NotificationSource> CreateNotificationSource() { return std::make_unique<WindowsNotificationSource>(); }

std::unique_ptr<HttpTransport> CreateLyricsTransport() { return std::make_unique<WinHttpTransport>(); }

std::unique_ptr<AudioEndpoints> CreateAudioEndpoints(HWND host) {
  return CoreAudioEndpoints::Create(AudioEvents::Create(host));
}

std::optional<PowerReading> ReadSystemPowerStatus() {
  SYSTEM_POWER_STATUS status{};
  if (!GetSystemPowerStatus(&status)) return std::nullopt;
  return PowerReading{status.ACLineStatus, status.BatteryFlag, status.BatteryLifePercent};
}

}  // namespace notch
