#pragma once
// How the shape springs move for each kind of transition, and when the
// animation may stop.
#include "host/settings.h"
#include "shell/ilha/island_types.h"
#include "shell/ilha/spring.h"

namespace notch {

SpringParameters ShapeSpringParameters(AnimationKind kind, Theme theme, bool reduce_motion);

// The animation goes on for 300 ms after a state change and 250 ms after a
// page switch even when the springs rest, so that content fades finish.
bool AnimationContinues(double since_state_change_ms, double since_page_switch_ms, bool springs_moving);

}  // namespace notch
