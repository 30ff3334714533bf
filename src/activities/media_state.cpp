#include "activities/media_state.h"

#include <utility>

namespace notch {

MediaState& SharedMediaState() {
  static MediaState state;
  return state;
}

bool SetLyricsQuery(MediaState& state, std::optional<LyricsQuery> query) {
  if (state.lyrics_query == query) return false;
  state.lyrics_query = std::move(query);
  ++state.lyrics_generation;
  state.pending.lyrics.reset();
  state.lyrics_wake.notify_all();
  return true;
}

void StopLyricsWorkers(MediaState& state) {
  std::lock_guard lock(state.mutex);
  state.lyrics_workers_stopping = true;
  state.lyrics_wake.notify_all();
}

}  // namespace notch
