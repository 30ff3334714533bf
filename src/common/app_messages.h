#pragma once
// Window messages between the program's threads and windows (WM_APP based).

namespace notch {

inline constexpr unsigned kWmApp = 0x8000;

namespace host_message {
inline constexpr unsigned kTrayIcon = kWmApp + 1;      // lParam = mouse message
inline constexpr unsigned kNotification = kWmApp + 2;  // lParam = NotificationHandOff() block
inline constexpr unsigned kDefaultDeviceChanged = kWmApp + 3;
inline constexpr unsigned kVolumeChanged = kWmApp + 4;
}  // namespace host_message

namespace island_message {
inline constexpr unsigned kFrame = kWmApp + 1;
inline constexpr unsigned kMediaUpdate = kWmApp + 2;  // wParam 1 = forced re-check
inline constexpr unsigned kCapsLock = kWmApp + 3;
inline constexpr unsigned kPrivacy = kWmApp + 4;   // wParam bit 0 microphone, bit 1 camera
inline constexpr unsigned kDownload = kWmApp + 5;  // lParam = DownloadHandOff() block: the path
}  // namespace island_message

namespace panel_message {
inline constexpr unsigned kTaskFinished = kWmApp + 1;
inline constexpr unsigned kFadeFrame = kWmApp + 2;
}  // namespace panel_message

}  // namespace notch
