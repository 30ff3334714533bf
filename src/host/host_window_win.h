#pragma once
// The hidden host window: it owns the process-wide registrations and
// dispatches what the system and the worker threads send.
#include <windows.h>

#include "host/caps_lock_edge.h"
#include "host/hot_key_state.h"

namespace notch {

inline constexpr wchar_t kHostWindowClass[] = L"StandaloneTemboNotchHost";
inline constexpr wchar_t kHostWindowTitle[] = L"Tembo Notch";
inline constexpr UINT_PTR kHostTimerId = 1;
inline constexpr UINT kHostTimerMs = 300;

struct HostWindowState {
  HWND window = nullptr;
  HotKeyState hot_keys;
  CapsLockEdge caps_lock;
  HHOOK keyboard_hook = nullptr;
};

HostWindowState& HostWindow();

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

bool RegisterHostWindowClass(HINSTANCE instance);
HWND CreateHostWindow(HINSTANCE instance);

// Re-reads the system's client-area animation setting into the host state.
void RefreshReduceMotion();

}  // namespace notch
