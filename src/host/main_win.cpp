#include <windows.h>

#include "host/startup_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return notch::RunTemboNotch(instance); }
