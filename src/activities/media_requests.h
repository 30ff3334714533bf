#pragma once
// How the window thread and the session events reach the media thread.
#include "activities/media_command.h"
#include "activities/media_state.h"

namespace notch {

void PostMediaCommand(MediaState& state, MediaCommand command);
void WakeMediaThread(MediaState& state, bool session_changed, bool refetch);

// Waits until woken, then hands over (and clears) the whole request.
MediaWakeRequest TakeMediaWakeRequest(MediaState& state);

}  // namespace notch
