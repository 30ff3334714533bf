#pragma once
// Loading a track's album art: a few attempts while the player publishes its
// picture, giving up as soon as the track is no longer the one asked for.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "activities/media_state.h"
#include "activities/media_timeline.h"

namespace notch {

struct DecodedArt {
  std::vector<std::uint8_t> pixels;  // premultiplied BGRA, rows of width * 4 bytes
  int width = 0;
  int height = 0;
};

// The session side of the loader (Windows Runtime and WIC on Windows).
class ArtSource {
 public:
  virtual ~ArtSource() = default;
  // The track the session reports now; nothing when it cannot be read.
  virtual std::optional<TrackIdentity> CurrentTrack() = 0;
  // The thumbnail decoded, scaled to ScaledArtSize and premultiplied;
  // nothing when there is none yet or it cannot be decoded.
  virtual std::optional<DecodedArt> ReadThumbnail() = 0;
};

struct ArtJob {
  TrackIdentity track;
  std::uint32_t generation = 0;
};

// Makes the attempts at kArtAttemptDelaysMs. `wait_until(ms)` waits until
// that long after the start and returns false when the load was cancelled.
std::optional<DecodedArt> LoadArt(ArtSource& source, const ArtJob& job,
                                  const std::function<bool(int ms_after_start)>& wait_until);

// Publishes the art unless the load is stale (cancelled, an older
// generation, or a session change waiting); returns whether anything
// changed, in which case the island must be told.
bool PublishArt(MediaState& state, const ArtJob& job, DecodedArt art, bool cancelled);

}  // namespace notch
