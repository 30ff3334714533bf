#pragma once
// The media state shared between the media thread, the lyrics workers and the
// island, all under the media mutex: the snapshot waiting to be taken and the
// lyrics request the workers serve.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

#include "activities/media_snapshot.h"
#include "lyrics/lyrics_query.h"

namespace notch {

struct MediaState {
  std::mutex mutex;
  // Written by the media thread, its lyrics by the lyrics workers; copied by
  // the island.
  MediaSnapshot pending;

  // The track whose lyrics are wanted, if any. Every change of it bumps the
  // generation, so that a worker can tell that its search became stale.
  std::optional<LyricsQuery> lyrics_query;
  std::uint64_t lyrics_generation = 0;
  // Wakes the lyrics workers after each change of generation; "any" so that
  // a worker's wait can also end on a stop request.
  std::condition_variable_any lyrics_wake;
};

MediaState& SharedMediaState();

// With `mutex` held. A query other than the active one (or its removal)
// becomes active: the generation moves on, the published lyrics are dropped
// and the workers are woken. Returns whether anything changed.
bool SetLyricsQuery(MediaState& state, std::optional<LyricsQuery> query);

}  // namespace notch
