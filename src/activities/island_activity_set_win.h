#pragma once
// The island's activities in the Windows build.
#include "activities/shelf_activity.h"
#include "shell/ilha/island_ports.h"

namespace notch {

IslandActivities& WindowsIslandActivities();
// The shelf of those activities.
ShelfActivity& WindowsShelf();

}  // namespace notch
