#pragma once
// Bringing the application that plays the media to the front.
#include <string>

namespace notch {

// Restores and raises the player's window when the id names an executable
// with a window; otherwise opens the id as a packaged application.
void ActivateSourceApp(const std::wstring& app_id);

}  // namespace notch
