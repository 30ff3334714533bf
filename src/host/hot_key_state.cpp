#include "host/hot_key_state.h"

namespace notch {

HotKeyAction ActionForHotKey(const HotKeyState& state, int id) {
  if (id == kToggleHotKeyId) return HotKeyAction::ToggleIsland;
  if (state.search_registered && id == state.search_id) return HotKeyAction::OpenQuickSearch;
  return HotKeyAction::None;
}

}  // namespace notch
