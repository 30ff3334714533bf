#pragma once
// The custom auto-hide delay dialog (resource IDD_AUTO_HIDE_DELAY).
#include <windows.h>

namespace notch {

// Runs the dialog modally over `owner`, starting from `current_seconds`;
// returns the accepted delay, or 0 when cancelled.
int AskCustomAutoHideDelay(HWND owner, int current_seconds);

}  // namespace notch
