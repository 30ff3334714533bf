#pragma once
// The tray menu as a Win32 popup menu.
#include <windows.h>

#include <vector>

#include "host/tray_menu.h"

namespace notch {

// Shows `variant` at the cursor for `owner` (the host window for the tray
// icon, the panel for its theme and auto-hide buttons) and carries out the
// chosen item.
void ShowTrayMenu(HWND owner, TrayMenuVariant variant);
// The same over `settings` instead of the program's settings file.
void ShowTrayMenu(HWND owner, TrayMenuVariant variant, Settings& settings);

// The popup menu holding `entries`; nullptr when it cannot be created.
HMENU CreateTrayPopupMenu(const std::vector<TrayMenuEntry>& entries);

}  // namespace notch
