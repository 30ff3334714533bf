#include "activities/media_lyrics_query.h"

#include <cmath>
#include <cstdlib>

namespace notch {
namespace {

constexpr double kLongestQueriedTrackS = 3600.0;
constexpr int kDurationToleranceS = 3;

}  // namespace

std::optional<LyricsQuery> WantedLyricsQuery(bool lyrics_on, bool has_media, bool playing, const TrackIdentity& track,
                                             double duration_s, const std::optional<LyricsQuery>& active) {
  if (!lyrics_on || !has_media || track.artist.empty()) return std::nullopt;
  LyricsQuery candidate{track.title, track.artist, track.album, 0};
  if (duration_s >= 1.0 && duration_s <= kLongestQueriedTrackS) {
    candidate.duration_s = static_cast<std::int32_t>(std::lround(duration_s));
  }
  if (active && active->title == candidate.title && active->artist == candidate.artist &&
      active->album == candidate.album && std::abs(active->duration_s - candidate.duration_s) < kDurationToleranceS) {
    candidate.duration_s = active->duration_s;
  }
  if (!playing && !(active && *active == candidate)) return std::nullopt;
  return candidate;
}

}  // namespace notch
