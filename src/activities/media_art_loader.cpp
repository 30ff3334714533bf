#include "activities/media_art_loader.h"

#include <memory>

#include "activities/media_art.h"

namespace notch {

std::optional<DecodedArt> LoadArt(ArtSource& source, const ArtJob& job,
                                  const std::function<bool(int ms_after_start)>& wait_until) {
  for (const int delay : kArtAttemptDelaysMs) {
    if (!wait_until(delay)) return std::nullopt;
    const auto current = source.CurrentTrack();
    if (!current || !(*current == job.track)) return std::nullopt;  // another track by now
    if (auto art = source.ReadThumbnail()) return art;
  }
  return std::nullopt;
}

bool PublishArt(MediaState& state, const ArtJob& job, DecodedArt art, bool cancelled) {
  std::lock_guard lock(state.mutex);
  if (cancelled || job.generation != state.track_generation || state.request.session_changed) return false;
  MediaSnapshot& snapshot = state.pending;
  if (snapshot.art_pixels && snapshot.art_width == art.width && snapshot.art_height == art.height &&
      *snapshot.art_pixels == art.pixels) {
    return false;
  }
  snapshot.tint = ArtTint(art.pixels, art.width, art.height);
  snapshot.art_width = art.width;
  snapshot.art_height = art.height;
  snapshot.art_pixels = std::make_shared<const std::vector<std::uint8_t>>(std::move(art.pixels));
  ++snapshot.art_version;
  return true;
}

}  // namespace notch
