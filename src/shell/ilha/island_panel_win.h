#pragma once
// The island's panel port in the Windows build, and the panel's step of the
// island's creation; the Quick Controls panel defines both.
#include <windows.h>

#include "shell/ilha/island_ports.h"

namespace notch {

IslandPanel& WindowsIslandPanel();

// The step of the island's creation that belongs to the panel.
void CreateQuickControlsPanel(HWND island);

}  // namespace notch
