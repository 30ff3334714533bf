// Host links whose subsystems have not landed yet. Each subsystem removes its
// entries from here when it defines them itself.
#include "host/host_links_win.h"

namespace notch::links {

bool PanelPreFilter(MSG&) { return false; }
void ClosePanel() {}

}  // namespace notch::links
