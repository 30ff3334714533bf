#pragma once
// The low-level keyboard hook that notices Caps Lock presses.
#include <windows.h>

namespace notch {

HHOOK InstallCapsLockHook();
void RemoveCapsLockHook(HHOOK hook);

}  // namespace notch
