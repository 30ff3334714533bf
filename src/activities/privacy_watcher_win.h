#pragma once
// The privacy watcher: microphone and camera use, read from the capability
// consent store, becomes island_message::kPrivacy.
#include <windows.h>

#include <functional>
#include <string>

namespace notch {

// The consent store under HKEY_CURRENT_USER.
inline constexpr wchar_t kConsentStoreKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\CapabilityAccessManager\\ConsentStore\\";

// Watches the "microphone" and "webcam" keys below `store` (a path under
// HKEY_CURRENT_USER ending in "\") and posts the privacy state to the window
// `island` returns whenever it changes. Returns at once when neither key
// opens; otherwise runs until the process ends.
void WatchConsentStore(const std::wstring& store, std::function<HWND()> island);

// The thread function: the system's consent store, for the island window.
void PrivacyWatcher();

}  // namespace notch
