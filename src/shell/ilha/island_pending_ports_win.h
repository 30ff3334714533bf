#pragma once
// The island's panel port in the Windows build, and the panel's step of the
// island's creation, for the parts of the program that have not landed yet.
#include <windows.h>

#include "shell/ilha/island_ports.h"

namespace notch {

IslandPanel& WindowsIslandPanel();

// The step of the island's creation that belongs to the panel.
void CreateQuickControlsPanel(HWND island);

}  // namespace notch
