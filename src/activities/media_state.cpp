#include "activities/media_state.h"

namespace notch {

MediaState& SharedMediaState() {
  static MediaState state;
  return state;
}

}  // namespace notch
