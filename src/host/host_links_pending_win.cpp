// Host links whose subsystems have not landed yet. Each subsystem removes its
// entries from here when it defines them itself.
#include "host/host_links_win.h"

namespace notch::links {

void StartAudio(HWND) {}
void RebindAudio() {}
void ReadVolume() {}
void OnHostTimerAudio() {}
void StopAudio() {}

void StartNotificationListener(HWND) {}

}  // namespace notch::links
