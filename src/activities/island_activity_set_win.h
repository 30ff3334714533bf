#pragma once
// The island's activities in the Windows build.
#include "shell/ilha/island_ports.h"

namespace notch {

IslandActivities& WindowsIslandActivities();

}  // namespace notch
