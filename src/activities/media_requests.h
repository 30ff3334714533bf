#pragma once
// How the window thread and the session events reach the media thread.
#include "activities/media_command.h"
#include "activities/media_state.h"

namespace notch {

void PostMediaCommand(MediaState& state, MediaCommand command);
void WakeMediaThread(MediaState& state, bool session_changed, bool refetch);

// The lyrics setting changed: off drops the lyrics (a new generation, so no
// late result lands); either way the media thread looks again.
void SetLyricsEnabled(MediaState& state, bool on);

// Waits until woken, then hands over (and clears) the whole request.
MediaWakeRequest TakeMediaWakeRequest(MediaState& state);

}  // namespace notch
