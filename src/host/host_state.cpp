#include "host/host_state.h"

namespace notch {

HostState& Host() {
  static HostState state;
  return state;
}

}  // namespace notch
