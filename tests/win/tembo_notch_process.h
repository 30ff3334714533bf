#pragma once
// Starts TemboNotch.exe from the test folder and cleans up after it.
#include <windows.h>

#include <string>

#include "win_test_support.h"

namespace notch::testing {

inline constexpr DWORD kProcessWaitMs = 30000;

// The top-level window of class `window_class` that belongs to process `id`.
inline HWND FindProcessWindow(const wchar_t* window_class, DWORD id) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, window_class, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == id) return window;
  }
  return nullptr;
}

class TemboNotchProcess {
 public:
  TemboNotchProcess() {
    std::wstring command = L"\"" + TestExecutableFolder() + L"\\TemboNotch.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_) != 0;
  }
  ~TemboNotchProcess() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, kProcessWaitMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  TemboNotchProcess(const TemboNotchProcess&) = delete;
  TemboNotchProcess& operator=(const TemboNotchProcess&) = delete;

  bool started() const { return started_; }
  DWORD id() const { return info_.dwProcessId; }
  // Returns once the process waits in its message loop.
  bool WaitUntilIdle() const { return WaitForInputIdle(info_.hProcess, kProcessWaitMs) == 0; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  HWND HostWindow() const { return FindProcessWindow(L"StandaloneTemboNotchHost", id()); }
  // Asks the program to exit as the tray menu's Exit does; returns the exit
  // code, or STILL_ACTIVE when it did not end in time.
  DWORD Close() const {
    const HWND host = HostWindow();
    if (host == nullptr || !PostMessageW(host, WM_CLOSE, 0, 0)) return STILL_ACTIVE;
    return WaitForExit();
  }
  // The exit code, or STILL_ACTIVE when it did not end in time.
  DWORD WaitForExit() const {
    WaitForSingleObject(info_.hProcess, kProcessWaitMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION info_{};
};

}  // namespace notch::testing
