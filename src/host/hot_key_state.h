#pragma once
// Which global hot keys are registered on the host window, and what a
// WM_HOTKEY id means.

namespace notch {

inline constexpr int kToggleHotKeyId = 1;

inline constexpr int kModAlt = 0x1;
inline constexpr int kModControl = 0x2;
inline constexpr int kModShift = 0x4;
inline constexpr int kModWin = 0x8;
inline constexpr int kVkSpace = 0x20;

struct HotKeyState {
  bool toggle_registered = false;
  bool search_registered = false;
  int search_id = 2;  // alternates between 2 and 3
  int search_modifiers = kModAlt;
  int search_key = kVkSpace;
};

enum class HotKeyAction { None, ToggleIsland, OpenQuickSearch };

HotKeyAction ActionForHotKey(const HotKeyState& state, int id);

}  // namespace notch
