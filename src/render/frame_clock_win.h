#pragma once
// Frame clocks, one per (window, message): a high-priority thread posts the
// message after every compositor frame while the clock runs.
#include <windows.h>

namespace notch {

void SetFrameClock(HWND window, UINT message, bool on);
// Called first thing when the frame message arrives; returns whether one
// was pending.
bool AcknowledgeFrame(HWND window, UINT message);
// Whether the clock of (window, message) is running (not parked).
bool FrameClockRunning(HWND window, UINT message);

}  // namespace notch
