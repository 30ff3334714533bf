#include "activities/media_timeline.h"

#include <algorithm>
#include <cmath>

#include "common/duration_text.h"

namespace notch {
namespace {

constexpr double kTicksPerSecond = 10'000'000.0;
constexpr double kLongestExtrapolationS = 21600.0;

}  // namespace

Timeline ReadTimeline(const TimelineReading& r, bool playing) {
  Timeline t;
  t.start_s = static_cast<double>(r.start) / kTicksPerSecond;
  t.duration_s = std::max(0.0, static_cast<double>(r.end - r.start) / kTicksPerSecond);
  double position = static_cast<double>(r.position - r.start) / kTicksPerSecond;
  if (playing) {
    const double age = static_cast<double>(r.now - r.last_updated) / kTicksPerSecond;
    if (age > 0.0 && age < kLongestExtrapolationS) position += age;
  }
  t.position_s = t.duration_s > 0.0 ? std::clamp(position, 0.0, t.duration_s) : std::max(position, 0.0);
  return t;
}

bool HasMedia(PlaybackStatus status, const std::wstring& title) {
  return (status == PlaybackStatus::Playing || status == PlaybackStatus::Paused) && !title.empty();
}

bool SameTrack(bool session_changed, bool had_media, bool has_media, const TrackIdentity& previous,
               const TrackIdentity& current) {
  return !session_changed && had_media == has_media && previous == current;
}

std::wstring FormatTrackTime(double seconds) { return FormatWholeSeconds(static_cast<long long>(std::floor(seconds))); }

}  // namespace notch
