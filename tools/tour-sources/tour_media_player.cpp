#include "tour-sources/tour_media_player.h"

#include <algorithm>
#include <cmath>

#include "activities/media_art.h"

namespace notch::tour {
namespace {

constexpr double kTicksPerSecond = 10'000'000.0;
constexpr double kTicksPerMs = 10'000.0;

std::int64_t Ticks(double seconds) { return static_cast<std::int64_t>(std::llround(seconds * kTicksPerSecond)); }

std::uint8_t Channel(std::uint32_t rgb, int shift) { return static_cast<std::uint8_t>((rgb >> shift) & 0xFF); }

}  // namespace

std::vector<TourTrack> TourTracks() {
  return {
      {{L"Paper Boats", L"The Made-Up Band", L"Puddles", 1}, 71.0, 0x2E86C1, 0x1B2631},
      {{L"Deep Water", L"The Made-Up Band", L"Puddles", 2}, 71.0, 0x17A589, 0x0B3D2E},
  };
}

TourMediaPlayer::TourMediaPlayer(std::vector<TourTrack> tracks) : tracks_(std::move(tracks)) {
  if (tracks_.empty()) tracks_.push_back({{L"Untitled", L"", L"", 0}, 1.0, 0x808080, 0x202020});
  for (TourTrack& track : tracks_) {
    if (!(track.duration_s > 0.0)) track.duration_s = 1.0;
  }
}

void TourMediaPlayer::StartTrack(std::size_t index, double now_ms) {
  index_ = index % tracks_.size();
  anchor_position_s_ = 0.0;
  anchor_ms_ = now_ms;
}

void TourMediaPlayer::Settle(double now_ms) {
  if (status_ != PlaybackStatus::Playing) return;
  // Each track that ended since the anchor hands over to the next at its end;
  // the loop stops at the first track still playing.
  for (std::size_t guard = 0; guard < 1000; ++guard) {
    const double left_ms = (tracks_[index_].duration_s - anchor_position_s_) * 1000.0;
    if (now_ms - anchor_ms_ < left_ms) return;
    StartTrack(index_ + 1, anchor_ms_ + left_ms);
  }
  // A clock that leapt past a thousand tracks: start the current one now.
  StartTrack(index_, now_ms);
}

double TourMediaPlayer::PositionS(double now_ms) {
  Settle(now_ms);
  if (status_ != PlaybackStatus::Playing) return anchor_position_s_;
  return std::clamp(anchor_position_s_ + std::max(0.0, now_ms - anchor_ms_) / 1000.0, 0.0, tracks_[index_].duration_s);
}

void TourMediaPlayer::Play(double now_ms) {
  if (status_ == PlaybackStatus::Playing) return;
  if (status_ == PlaybackStatus::Closed) anchor_position_s_ = 0.0;
  status_ = PlaybackStatus::Playing;
  anchor_ms_ = now_ms;
}

void TourMediaPlayer::PlayFromStart(double now_ms) {
  StartTrack(0, now_ms);
  status_ = PlaybackStatus::Playing;
}

void TourMediaPlayer::Pause(double now_ms) {
  if (status_ != PlaybackStatus::Playing) return;
  anchor_position_s_ = PositionS(now_ms);
  anchor_ms_ = now_ms;
  status_ = PlaybackStatus::Paused;
}

void TourMediaPlayer::Execute(const MediaCommand& command, double now_ms) {
  if (!started()) return;  // no session yet: nothing to command
  const double position = PositionS(now_ms);
  switch (command.kind) {
    case MediaCommandKind::TogglePlayPause:
      if (status_ == PlaybackStatus::Playing) {
        Pause(now_ms);
      } else {
        Play(now_ms);
      }
      break;
    case MediaCommandKind::Next:
      StartTrack(index_ + 1, now_ms);
      break;
    case MediaCommandKind::Previous:
      StartTrack(position > kRestartThresholdS ? index_ : index_ + tracks_.size() - 1, now_ms);
      break;
    case MediaCommandKind::SetShuffle:
      shuffle_active_ = command.value != 0.0;
      break;
    case MediaCommandKind::Seek:
      // NaN and out-of-range targets land on the track's ends.
      anchor_position_s_ = std::isnan(command.value) ? 0.0 : std::clamp(command.value, 0.0, tracks_[index_].duration_s);
      anchor_ms_ = now_ms;
      break;
  }
}

SessionReading TourMediaPlayer::Read(double now_ms) {
  SessionReading reading;
  if (!started()) return reading;
  const double position = PositionS(now_ms);
  const TourTrack& track = tracks_[index_];
  reading.status = status_;
  reading.shuffle_enabled = true;
  reading.shuffle_active = shuffle_active_;
  reading.source_app_id = kTourPlayerAppId;
  reading.track = track.identity;
  const auto now = static_cast<std::int64_t>(std::llround(now_ms * kTicksPerMs));
  reading.timeline = {0, Ticks(track.duration_s), Ticks(position), now, now};
  return reading;
}

std::optional<double> TourMediaPlayer::MsUntilTrackEnd(double now_ms) {
  const double position = PositionS(now_ms);
  if (status_ != PlaybackStatus::Playing) return std::nullopt;
  return (tracks_[index_].duration_s - position) * 1000.0;
}

std::optional<std::size_t> TourMediaPlayer::IndexOf(const TrackIdentity& identity) const {
  for (std::size_t i = 0; i < tracks_.size(); ++i) {
    if (tracks_[i].identity == identity) return i;
  }
  return std::nullopt;
}

DecodedArt TourArt(const TourTrack& track) {
  DecodedArt art;
  art.width = art.height = kLargestArtSide;
  art.pixels.resize(static_cast<std::size_t>(art.width) * art.height * 4);
  const double centre = (kLargestArtSide - 1) / 2.0;
  const double disc = kLargestArtSide * 0.3;
  for (int y = 0; y < art.height; ++y) {
    const double t = static_cast<double>(y) / (art.height - 1);
    for (int x = 0; x < art.width; ++x) {
      const bool in_disc = std::hypot(x - centre, y - centre) <= disc;
      std::uint8_t* pixel = &art.pixels[(static_cast<std::size_t>(y) * art.width + x) * 4];
      for (int c = 0; c < 3; ++c) {
        const int shift = c * 8;  // B, G, R from the low byte of 0xRRGGBB
        const double value = Channel(track.art_top, shift) * (1.0 - t) + Channel(track.art_bottom, shift) * t;
        pixel[c] = static_cast<std::uint8_t>(std::lround(in_disc ? value + (255.0 - value) * 0.45 : value));
      }
      pixel[3] = 255;
    }
  }
  return art;
}

}  // namespace notch::tour
