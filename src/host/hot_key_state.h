#pragma once
// Which global hot keys are registered on the host window, and what a
// WM_HOTKEY id means.

namespace notch {

inline constexpr int kToggleHotKeyId = 1;
// The search hot key moves between these two ids, so that a new combination
// can be registered before the old one is given up.
inline constexpr int kSearchHotKeyId = 2;
inline constexpr int kSearchHotKeyOtherId = 3;

// RegisterHotKey's modifier bits. MOD_NOREPEAT is added when registering and
// never stored.
inline constexpr int kModAlt = 0x1;
inline constexpr int kModControl = 0x2;
inline constexpr int kModShift = 0x4;
inline constexpr int kModWin = 0x8;
inline constexpr int kModNoRepeat = 0x4000;

inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkN = 0x4E;
inline constexpr int kVkF1 = 0x70;
inline constexpr int kVkF12 = 0x7B;

struct HotKeyState {
  bool toggle_registered = false;
  bool search_registered = false;
  int search_id = kSearchHotKeyId;
  int search_modifiers = kModAlt;
  int search_key = kVkSpace;
};

enum class HotKeyAction { None, ToggleIsland, OpenQuickSearch };

HotKeyAction ActionForHotKey(const HotKeyState& state, int id);

}  // namespace notch
