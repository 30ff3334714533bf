#pragma once
// The path of a finished download, handed from the downloads watcher to the
// island's window through DownloadHandOff; the receiver owns it once the
// post succeeded.
#include <string>

#include "common/hand_off.h"

namespace notch {

// The blocks posted to the island as island_message::kDownload.
inline HandOff<std::wstring>& DownloadHandOff() {
  static HandOff<std::wstring> hand_off;
  return hand_off;
}

}  // namespace notch
