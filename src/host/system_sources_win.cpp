#include "host/system_sources_win.h"

#include "activities/media_session_win.h"
#include "host/notification_listener_win.h"
#include "lyrics/http_transport_winhttp_win.h"

namespace notch {

// Only the seam's three definitions live in this unit: a build that links
// its own definitions never pulls it from the library.

std::unique_ptr<MediaSessionPort> CreateMediaSession(MediaState& state, std::function<void()> notify_island) {
  return std::make_unique<WinRtMediaSession>(state, std::move(notify_island));
}

std::unique_ptr<NotificationSource> CreateNotificationSource() { return std::make_unique<WindowsNotificationSource>(); }

std::unique_ptr<HttpTransport> CreateLyricsTransport() { return std::make_unique<WinHttpTransport>(); }

}  // namespace notch
