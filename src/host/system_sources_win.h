#pragma once
// Where the program's outside sources come from: the media session, the
// notification list, the lyrics services' transport, the audio endpoints and
// the power status. TemboNotch.exe links the system's (system_sources_win.cpp);
// the tour build links stand-ins (tools/tour-sources) in their place, so these
// are the one seam between the two and the shipped program has no switch to
// reach the stand-ins.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "activities/media_session.h"
#include "activities/media_state.h"
#include "host/audio_binding.h"
#include "host/notification_listener.h"
#include "lyrics/http_transport.h"
#include "shell/ilha/island_ports.h"

namespace notch {

// The media thread's session; `notify_island` tells the island that new art
// was published.
std::unique_ptr<MediaSessionPort> CreateMediaSession(MediaState& state, std::function<void()> notify_island);

// Throws NotificationSourceError when the system has no listener. Called on
// the listener's thread, inside its multithreaded apartment.
std::unique_ptr<NotificationSource> CreateNotificationSource();

// The transport the lyrics workers send every request through.
std::unique_ptr<HttpTransport> CreateLyricsTransport();

// The output devices; their default-device and volume changes post to
// `host`. Null when the system has no device enumerator.
std::unique_ptr<AudioEndpoints> CreateAudioEndpoints(HWND host);

// Nothing when the system cannot say.
std::optional<PowerReading> ReadSystemPowerStatus();

}  // namespace notch
