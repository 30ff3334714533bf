#pragma once
// Which lyrics the media thread asks the lyrics workers for.
#include <optional>

#include "activities/media_timeline.h"
#include "lyrics/lyrics_query.h"

namespace notch {

// The query the media thread wants active after a reading: the playing
// track (duration in whole seconds when 1..3600, else 0, and the active
// query's duration when it is within 3 s of it, so that players reporting a
// slightly different length keep their lyrics). A paused track only keeps a
// query that is already active; without lyrics, media or an artist there is
// none.
std::optional<LyricsQuery> WantedLyricsQuery(bool lyrics_on, bool has_media, bool playing, const TrackIdentity& track,
                                             double duration_s, const std::optional<LyricsQuery>& active);

}  // namespace notch
