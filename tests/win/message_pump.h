#pragma once
// Runs this thread's messages until a condition holds or the time is up.
#include <windows.h>

#include <algorithm>
#include <functional>

namespace notch::testing {

inline bool PumpUntil(const std::function<bool()>& done, DWORD limit_ms = 10000) {
  const ULONGLONG deadline = GetTickCount64() + limit_ms;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    // Conditions may change on other threads without a message: look again
    // at least every 10 ms.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                              QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

}  // namespace notch::testing
