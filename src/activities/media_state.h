#pragma once
// The media state shared between the media thread and the island: the
// snapshot waiting to be taken, under the media mutex.
#include <mutex>

#include "activities/media_snapshot.h"

namespace notch {

struct MediaState {
  std::mutex mutex;
  MediaSnapshot pending;  // written by the media thread, copied by the island
};

MediaState& SharedMediaState();

}  // namespace notch
