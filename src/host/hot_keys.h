#pragma once
// The rules of the two global hot keys: Ctrl+Alt+N, which shows or hides the
// island, and the Quick Search key the user can choose. The system calls sit
// behind HotKeyRegistrar.
#include <optional>
#include <string>
#include <string_view>

#include "host/hot_key_state.h"
#include "host/settings.h"

namespace notch {

class HotKeyRegistrar {
 public:
  virtual ~HotKeyRegistrar() = default;
  // Whether there is a window to register on.
  virtual bool HasWindow() const = 0;
  // `modifiers` already carries kModNoRepeat.
  virtual bool Register(int id, int modifiers, int key) = 0;
  virtual void Unregister(int id) = 0;
  // The system's error code for the last Register that failed.
  virtual unsigned long LastError() const = 0;
  // The keyboard layout's name for a key; empty when it has none.
  virtual std::wstring KeyName(int key) const = 0;
};

// "Ctrl+", "Alt+", "Shift+", "Win+" for the bits present, then the key: Space,
// Enter, Tab, 0-9, A-Z, F1-F12 by their own names, others as the keyboard
// layout names them (or by their code when it has no name for them).
std::wstring HotKeyDisplayName(int modifiers, int key, const HotKeyRegistrar& registrar);

// The saved Quick Search combination; nothing when either key is empty or
// parses to 0 (or to something that is not an int).
struct HotKeyCombination {
  int modifiers = 0;
  int key = 0;
  bool operator==(const HotKeyCombination&) const = default;
};
std::optional<HotKeyCombination> SavedSearchHotKey(const Settings& settings);

// Start-up: Ctrl+Alt+N on id 1, then the saved Quick Search key (or the
// current one) on id 2, falling back to Ctrl+Alt+Space only when the user
// never saved a shortcut. Failures are logged.
void RegisterHotKeysAtStartup(HotKeyState& state, const Settings& settings, HotKeyRegistrar& registrar);

struct SearchHotKeyResult {
  bool ok = false;
  std::wstring message;  // shown by the search settings page
};

// Registers (modifiers, key) for Quick Search under the id not in use, so the
// old combination keeps working until the new one is in place, and saves it.
SearchHotKeyResult SetSearchHotKey(HotKeyState& state, Settings& settings, HotKeyRegistrar& registrar, int modifiers,
                                   int key);

// The Quick Search key's name while it is registered.
std::optional<std::wstring> RegisteredSearchHotKeyName(const HotKeyState& state, const HotKeyRegistrar& registrar);

// Shutdown: gives up whatever is registered.
void UnregisterHotKeys(HotKeyState& state, HotKeyRegistrar& registrar);

}  // namespace notch
