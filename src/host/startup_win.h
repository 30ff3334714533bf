#pragma once
#include <windows.h>

#include "host/settings.h"

namespace notch {

// Starts the program, runs its message loop and ends the process. Returns
// only when start-up fails or another instance already runs.
int RunTemboNotch(HINSTANCE instance);

// The settings file of this process, available once start-up located it.
Settings& AppSettings();

}  // namespace notch
