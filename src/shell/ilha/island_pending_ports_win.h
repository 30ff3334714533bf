#pragma once
// The island's panel port in the Windows build, and the shelf's steps of the
// island's creation, for the parts of the program that have not landed yet.
#include <windows.h>

#include "shell/ilha/island_ports.h"

namespace notch {

IslandPanel& WindowsIslandPanel();

// Steps of the island's creation that belong to the shelf and the panel.
void LoadShelf();
void RegisterShelfDropTarget(HWND island);
void CreateQuickControlsPanel(HWND island);

}  // namespace notch
