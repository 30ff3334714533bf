#pragma once
#include <windows.h>

#include <string>

#include "host/settings.h"

namespace notch {

// Starts the program, runs its message loop and ends the process. Returns
// only when start-up fails or another instance already runs.
int RunTemboNotch(HINSTANCE instance);

// The settings file of this process, available once start-up located it.
Settings& AppSettings();

// The running executable's full path, as far as a 32768-character buffer holds it.
std::wstring ExecutablePath();

}  // namespace notch
