#pragma once
// Reading a media session's state into what the media card shows: whether
// there is media, where playback is, and whether it is still the same track.
#include <cstdint>
#include <string>

namespace notch {

// The session's playback status, as the system numbers it.
enum class PlaybackStatus { Closed = 0, Opened = 1, Changing = 2, Stopped = 3, Playing = 4, Paused = 5 };

// The timeline as the session reports it, in 100-ns units.
struct TimelineReading {
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::int64_t position = 0;
  std::int64_t last_updated = 0;  // system time of the position (FILETIME units)
  std::int64_t now = 0;           // precise system time when it was read
};

struct Timeline {
  double start_s = 0.0;
  double duration_s = 0.0;
  double position_s = 0.0;  // from the start of the timeline
};

// While playing, the position moves on by the time since the session last
// updated it, when that is plausible (between 0 and six hours).
Timeline ReadTimeline(const TimelineReading& reading, bool playing);

// Media needs a Playing or Paused session with a title.
bool HasMedia(PlaybackStatus status, const std::wstring& title);

// Title, artist, album and track number identify a track.
struct TrackIdentity {
  std::wstring title;
  std::wstring artist;
  std::wstring album;
  int track_number = 0;
  friend bool operator==(const TrackIdentity&, const TrackIdentity&) = default;
};

// The same track: no session change, media still present or absent as
// before, and an equal identity.
bool SameTrack(bool session_changed, bool had_media, bool has_media, const TrackIdentity& previous,
               const TrackIdentity& current);

// "m:ss" below an hour, "h:mm:ss" from an hour on, from whole seconds.
std::wstring FormatTrackTime(double seconds);

}  // namespace notch
