#include "host/hot_keys_win.h"

#include "host/host_links_win.h"
#include "host/host_window_win.h"
#include "host/startup_win.h"

namespace notch {
namespace {

constexpr int kKeyNameChars = 64;
constexpr LPARAM kExtendedKeyFlag = 1 << 24;

}  // namespace

bool WindowsHotKeyRegistrar::Register(int id, int modifiers, int key) {
  if (RegisterHotKey(window_, id, static_cast<UINT>(modifiers), static_cast<UINT>(key))) return true;
  last_error_ = GetLastError();
  return false;
}

void WindowsHotKeyRegistrar::Unregister(int id) { UnregisterHotKey(window_, id); }

std::wstring WindowsHotKeyRegistrar::KeyName(int key) const {
  // Without the extended-key flag, the arrows, Insert, Delete, Home, End and
  // the page keys would be named after their numeric-keypad twins.
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC_EX);
  LPARAM key_data = static_cast<LPARAM>(scan & 0xFF) << 16;
  if ((scan & 0xFF00) == 0xE000 || (scan & 0xFF00) == 0xE100) key_data |= kExtendedKeyFlag;
  wchar_t name[kKeyNameChars] = {};
  const int length = GetKeyNameTextW(static_cast<LONG>(key_data), name, kKeyNameChars);
  return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

SearchHotKeyResult SetSearchHotKey(int modifiers, int key) {
  HostWindowState& host = HostWindow();
  WindowsHotKeyRegistrar registrar(host.window);
  return SetSearchHotKey(host.hot_keys, AppSettings(), registrar, modifiers, key);
}

std::wstring HotKeyDisplayName(int modifiers, int key) {
  return HotKeyDisplayName(modifiers, key, WindowsHotKeyRegistrar(HostWindow().window));
}

void UnregisterHotKeys(HWND host) {
  WindowsHotKeyRegistrar registrar(host);
  UnregisterHotKeys(HostWindow().hot_keys, registrar);
}

namespace links {

void RegisterHotKeys(HWND host) {
  WindowsHotKeyRegistrar registrar(host);
  RegisterHotKeysAtStartup(HostWindow().hot_keys, AppSettings(), registrar);
}

}  // namespace links
}  // namespace notch
