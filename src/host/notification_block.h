#pragma once
// A Windows notification handed from the listener to the main thread
// through NotificationHandOff; the receiver owns it once the post succeeded.
#include <array>
#include <string>

#include "common/hand_off.h"

namespace notch {

struct NotificationBlock {
  enum Index { kAppName = 0, kTitle = 1, kBody = 2, kAppUserModelId = 3 };
  std::array<std::wstring, 4> strings;
};

// The blocks posted to the host window as host_message::kNotification.
inline HandOff<NotificationBlock>& NotificationHandOff() {
  static HandOff<NotificationBlock> hand_off;
  return hand_off;
}

}  // namespace notch
