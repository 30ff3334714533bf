#pragma once
// The media state shared between the media thread, the art loader, the
// lyrics workers and the island, all under the media mutex: the snapshot
// waiting to be taken, what the window thread asks of the media thread and
// the lyrics request the workers serve.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "activities/media_command.h"
#include "activities/media_snapshot.h"
#include "lyrics/lyrics_query.h"

namespace notch {

// Taken and cleared together by the media thread.
struct MediaWakeRequest {
  bool wake = false;
  bool session_changed = false;
  bool refetch = false;  // the media properties changed: load the art again
  std::vector<MediaCommand> commands;
};

struct MediaState {
  std::mutex mutex;
  // Written by the media thread, its lyrics by the lyrics workers, its art
  // by the art loader; copied by the island.
  MediaSnapshot pending;
  MediaWakeRequest request;
  std::condition_variable wake;        // the media thread waits on it
  std::uint32_t track_generation = 0;  // a new track or a refetch increments it
  bool lyrics_enabled = false;         // the lyrics setting, as the island last applied it

  // The track whose lyrics are wanted, if any. Every change of it bumps the
  // generation, so that a worker can tell that its search became stale.
  std::optional<LyricsQuery> lyrics_query;
  std::uint64_t lyrics_generation = 0;
  // Wakes the lyrics workers after each change of generation and when they
  // are told to stop. A plain flag rather than a stop token: MinGW's
  // libstdc++ can deadlock a stop callback that runs while its waiter wakes.
  std::condition_variable lyrics_wake;
  bool lyrics_workers_stopping = false;
};

MediaState& SharedMediaState();

// With `mutex` held. A query other than the active one (or its removal)
// becomes active: the generation moves on, the published lyrics are dropped
// and the workers are woken. Returns whether anything changed.
bool SetLyricsQuery(MediaState& state, std::optional<LyricsQuery> query);

// Without `mutex` held. Each lyrics worker returns after the search it is in.
void StopLyricsWorkers(MediaState& state);

}  // namespace notch
