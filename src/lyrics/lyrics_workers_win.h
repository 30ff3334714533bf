#pragma once
// The lyrics workers in the program: WinHTTP, the system clock, the shared
// media state and the island window.
#include <windows.h>

namespace notch {

// Starts the three workers on the first call, with the lyrics_contact_email
// and genius_proxy settings as they read then; later calls do nothing. For the start of the
// media thread, which needs the workers beside it.
void StartLyricsWorkers();

// Tells the island, if its window exists, that new lyrics are published.
void PostLyricsUpdate(HWND island);

}  // namespace notch
