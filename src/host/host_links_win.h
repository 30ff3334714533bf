#pragma once
// What the application host asks of the other subsystems. Each function is
// defined by the subsystem that owns it.
#include <windows.h>

#include "host/notification_block.h"

namespace notch::links {

// Rendering: choose the text and icon fonts.
bool InitFonts();

// Island window.
bool CreateIsland(HINSTANCE instance);
HWND IslandWindow();
bool IslandEnabled();
void ToggleIsland();
void OpenQuickSearch();
void OpenQuickControls();
void ApplyIslandSettings();
// The island's auto-hide delay in seconds as it holds it now (0 = off).
int IslandAutoHideSeconds();
void CheckFullScreen(bool forced_hidden);
void ShowNotification(const NotificationBlock& notification);

// Global hot keys on the host window (registration; the state lives in the host).
void RegisterHotKeys(HWND host);

// Quick Search background work.
void StartQuickSearch();

// Tray icon and menu.
void AddTrayIcon(HWND host);
void DeleteTrayIcon(HWND host);
void OnTrayIconMessage(HWND host, LPARAM mouse_message);

// System audio: endpoint notifications and the default output binding.
void StartAudio(HWND host);
void RebindAudio();
void ReadVolume();
void OnHostTimerAudio();
void StopAudio();

// Windows notification listener.
void StartNotificationListener(HWND host);

// Quick Controls panel.
bool PanelPreFilter(MSG& message);
void ClosePanel();

}  // namespace notch::links
