#include "shell/ilha/island_types.h"

namespace notch {

const char* IslandStateName(IslandState state) {
  switch (state) {
    case IslandState::Hidden:
      return "Hidden";
    case IslandState::Idle:
      return "Idle";
    case IslandState::Media:
      return "Media";
    case IslandState::Timer:
      return "Timer";
    case IslandState::Hud:
      return "Hud";
    case IslandState::Notification:
      return "Notification";
    case IslandState::Expanded:
      return "Expanded";
  }
  return "?";
}

}  // namespace notch
