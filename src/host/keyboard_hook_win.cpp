#include "host/keyboard_hook_win.h"

#include "common/app_messages.h"
#include "host/host_links_win.h"
#include "host/host_window_win.h"

namespace notch {
namespace {

// Low-level hooks run on the installing thread, inside its message loop, so
// the edge detector needs no lock.
LRESULT CALLBACK CapsLockHookProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lparam);
    if (event->vkCode == VK_CAPITAL) {
      const bool down = wparam == WM_KEYDOWN || wparam == WM_SYSKEYDOWN;
      const HWND island = links::IslandWindow();
      if (HostWindow().caps_lock.OnCapsLockEvent(down, island != nullptr && links::IslandEnabled())) {
        PostMessageW(island, island_message::kCapsLock, 0, 0);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

HHOOK InstallCapsLockHook() {
  return SetWindowsHookExW(WH_KEYBOARD_LL, CapsLockHookProc, GetModuleHandleW(nullptr), 0);
}

void RemoveCapsLockHook(HHOOK hook) {
  if (hook != nullptr) UnhookWindowsHookEx(hook);
}

}  // namespace notch
