#pragma once
// The island's panel and activity ports in the Windows build, for the parts
// of the program that have not landed yet.
#include "shell/ilha/island_ports.h"

namespace notch {

IslandPanel& WindowsIslandPanel();
IslandActivities& WindowsIslandActivities();

}  // namespace notch
