#pragma once
// The media session as the media thread sees it. The Windows Runtime's
// transport controls implement it; tests use a scripted session.
#include <optional>
#include <string>

#include "activities/media_art_loader.h"
#include "activities/media_command.h"
#include "activities/media_timeline.h"

namespace notch {

// One reading of the current session.
struct SessionReading {
  PlaybackStatus status = PlaybackStatus::Closed;
  bool shuffle_enabled = false;
  bool shuffle_active = false;
  std::wstring source_app_id;
  TrackIdentity track;  // empty when the media properties could not be read
  TimelineReading timeline;
};

class MediaSessionPort {
 public:
  virtual ~MediaSessionPort() = default;
  // Gets the session manager and follows its current-session changes
  // (which wake the media thread). False when the controls are out of reach.
  virtual bool Connect() = 0;
  // Leaves the old session's events and takes the current session, following
  // its property, playback and timeline changes. False on failure.
  virtual bool SwitchToCurrentSession() = 0;
  virtual bool HasSession() const = 0;
  // Carries out one command and waits for it; failures are ignored.
  virtual void Execute(const MediaCommand& command, double timeline_start_s) = 0;
  virtual SessionReading Read() = 0;
  // Starts loading the track's art (after cancelling any earlier load).
  virtual void StartArtLoad(const ArtJob& job) = 0;
  virtual void CancelArtLoad() = 0;
};

}  // namespace notch
