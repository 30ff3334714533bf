#include "activities/media_requests.h"

#include <utility>

namespace notch {

void PostMediaCommand(MediaState& state, MediaCommand command) {
  {
    std::lock_guard lock(state.mutex);
    state.request.commands.push_back(command);
    state.request.wake = true;
  }
  state.wake.notify_one();
}

void WakeMediaThread(MediaState& state, bool session_changed, bool refetch) {
  {
    std::lock_guard lock(state.mutex);
    state.request.session_changed |= session_changed;
    state.request.refetch |= refetch;
    state.request.wake = true;
  }
  state.wake.notify_one();
}

MediaWakeRequest TakeMediaWakeRequest(MediaState& state) {
  std::unique_lock lock(state.mutex);
  state.wake.wait(lock, [&state] { return state.request.wake; });
  return std::exchange(state.request, MediaWakeRequest{});
}

}  // namespace notch
