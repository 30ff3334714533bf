#pragma once
// The program's Quick Search ports for the panel: the process-wide engine
// and launcher, the settings file and the host window's hot keys.
#include "panel/search_ports.h"

namespace notch::quick {

QuickSearchPorts& ProgramSearchPorts();

}  // namespace notch::quick
