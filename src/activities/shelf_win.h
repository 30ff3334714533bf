#pragma once
// The shelf's part of the island's creation in the Windows build.
#include <windows.h>

#include "activities/shelf_activity.h"

namespace notch {

// Reads estante.txt into the island's shelf.
void LoadShelf();
// Makes the island window a drop target for files.
void RegisterShelfDropTarget(HWND island);

// The shelf's ports over the file system, the shell and OLE.
ShelfPorts WindowsShelfPorts();

}  // namespace notch
