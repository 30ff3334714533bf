#pragma once
// Process-wide state of the application host that the rest of the program
// reads. Owned by the main thread.
#include <string>

namespace notch {

struct HostState {
  std::wstring settings_path;      // full path of settings.ini
  std::wstring executable_folder;  // without the trailing backslash
  std::wstring symbols_folder;     // TEMBO_NOTCH_SYMBOLS, empty when unset or empty
  bool reduce_motion = false;      // client-area animation is off in the system
  bool session_locked = false;     // from WTS lock / unlock notifications
};

HostState& Host();

}  // namespace notch
