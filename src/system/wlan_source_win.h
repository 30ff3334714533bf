#pragma once
// The Native Wi-Fi API (wlanapi) behind WlanApi.
#include "system/wlan_source.h"

namespace notch::wifi {

// Opens a fresh client handle per call; each task uses its own.
WlanApi& NativeWlanApi();

}  // namespace notch::wifi
