// The shelf is not part of the program yet: until it lands, its steps of the
// island's creation do nothing. It lands by replacing its part of this file.
#include "shell/ilha/island_pending_ports_win.h"

namespace notch {

void LoadShelf() {}
void RegisterShelfDropTarget(HWND) {}

}  // namespace notch
