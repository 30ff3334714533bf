#pragma once
// The global hot keys, registered on the host window.
#include <windows.h>

#include <string>

#include "host/hot_keys.h"

namespace notch {

class WindowsHotKeyRegistrar final : public HotKeyRegistrar {
 public:
  explicit WindowsHotKeyRegistrar(HWND window) : window_(window) {}

  bool HasWindow() const override { return window_ != nullptr; }
  bool Register(int id, int modifiers, int key) override;
  void Unregister(int id) override;
  unsigned long LastError() const override { return last_error_; }
  std::wstring KeyName(int key) const override;

 private:
  HWND window_;
  DWORD last_error_ = ERROR_SUCCESS;
};

// The search settings page's setter for the Quick Search shortcut.
SearchHotKeyResult SetSearchHotKey(int modifiers, int key);

// A combination's name, as the menu and the setter's messages show it.
std::wstring HotKeyDisplayName(int modifiers, int key);

// WM_DESTROY of the host window.
void UnregisterHotKeys(HWND host);

}  // namespace notch
