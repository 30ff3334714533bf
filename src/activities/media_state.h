#pragma once
// The media state shared between the media thread, the art loader and the
// island, all under the media mutex: the snapshot waiting to be taken and
// what the window thread asks of the media thread.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "activities/media_command.h"
#include "activities/media_snapshot.h"

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
  MediaSnapshot pending;  // written by the media thread, copied by the island
  MediaWakeRequest request;
  std::condition_variable wake;        // the media thread waits on it
  std::uint32_t track_generation = 0;  // a new track or a refetch increments it
};

MediaState& SharedMediaState();

}  // namespace notch
