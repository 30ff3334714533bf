#pragma once
// The tour build's media player: a short list of made-up tracks that plays on
// the clock it is given, answering the media thread's commands and readings
// as a player's session would. Nothing plays until the tour says so.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "activities/media_art_loader.h"
#include "activities/media_command.h"
#include "activities/media_session.h"

namespace notch::tour {

struct TourTrack {
  TrackIdentity identity;
  double duration_s = 0.0;
  // The art's two colours, 0xRRGGBB.
  std::uint32_t art_top = 0;
  std::uint32_t art_bottom = 0;
};

// What the tour plays, first to last: the lyrics services' fixture answers
// the first track with synced lyrics and the second with none.
std::vector<TourTrack> TourTracks();

// The id the session reports as the player's.
inline constexpr wchar_t kTourPlayerAppId[] = L"TemboNotchTour.exe";

// Previous within this many seconds of a track's start goes to the track
// before; later, it restarts the track.
inline constexpr double kRestartThresholdS = 3.0;

class TourMediaPlayer {
 public:
  // `tracks` must not be empty; a track without a positive duration is
  // given one second.
  explicit TourMediaPlayer(std::vector<TourTrack> tracks);

  // Plays from wherever the player is; from nothing, the first track's start.
  void Play(double now_ms);
  // Plays the first track from its start, whatever played before: the
  // tour's signal, so that a stop sees the track's first seconds.
  void PlayFromStart(double now_ms);
  // Holds the position; nothing when not playing.
  void Pause(double now_ms);
  // Whether the tour started playing (the session exists from then on).
  bool started() const { return status_ != PlaybackStatus::Closed; }

  void Execute(const MediaCommand& command, double now_ms);
  // Moves on to the next track (the first after the last) when the current
  // one ended by `now_ms`; the reading carries the timeline in 100-ns units
  // with the clock's milliseconds as its system time.
  SessionReading Read(double now_ms);

  // How long until the current track ends while it plays; nothing otherwise.
  std::optional<double> MsUntilTrackEnd(double now_ms);

  std::size_t track_index() const { return index_; }
  // The index of the track with this identity, or nothing.
  std::optional<std::size_t> IndexOf(const TrackIdentity& identity) const;
  const TourTrack& track(std::size_t index) const { return tracks_.at(index); }
  double PositionS(double now_ms);

 private:
  void Settle(double now_ms);
  void StartTrack(std::size_t index, double now_ms);

  std::vector<TourTrack> tracks_;
  std::size_t index_ = 0;
  PlaybackStatus status_ = PlaybackStatus::Closed;
  bool shuffle_active_ = false;
  double anchor_position_s_ = 0.0;  // the position at anchor_ms_
  double anchor_ms_ = 0.0;
};

// The track's album art: a square of kLargestArtSide pixels, opaque BGRA,
// a vertical blend of the track's two colours with a paler disc in the middle.
DecodedArt TourArt(const TourTrack& track);

}  // namespace notch::tour
