#pragma once
// The media thread's work: follow the current session, carry out the queued
// commands, read what plays and publish it for the island.
#include <functional>

#include "activities/media_requests.h"
#include "activities/media_session.h"
#include "activities/media_state.h"
#include "common/clock.h"

namespace notch {

class MediaSessionWorker {
 public:
  // `notify_island` posts the media update message to the island.
  MediaSessionWorker(MediaState& state, MediaSessionPort& session, const Clock& clock,
                     std::function<void()> notify_island)
      : state_(state), session_(session), clock_(clock), notify_island_(std::move(notify_island)) {}

  // Connects to the session manager; false (logged) when that is impossible.
  bool Start();
  // Serves one wake request.
  void Serve(const MediaWakeRequest& request);
  // The thread: start, then serve every request for ever.
  void Run();

 private:
  MediaState& state_;
  MediaSessionPort& session_;
  const Clock& clock_;
  std::function<void()> notify_island_;

  bool had_media_ = false;
  TrackIdentity track_;
  double timeline_start_s_ = 0.0;
};

}  // namespace notch
