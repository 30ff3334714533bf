#pragma once
// The island's states, pages and the values its state machine works with.
#include <cstdint>

namespace notch {

enum class IslandState : std::uint32_t {
  Hidden = 0,
  Idle = 1,
  Media = 2,
  Timer = 3,
  Hud = 4,
  Notification = 5,
  Expanded = 6,
};

const char* IslandStateName(IslandState state);

// Hover opens the island only from its resting and activity states.
constexpr bool HoverCanOpen(IslandState s) {
  return s == IslandState::Idle || s == IslandState::Media || s == IslandState::Timer;
}

// Pages of the expanded island.
namespace page {
inline constexpr int kMedia = 0;
inline constexpr int kTimer = 1;
inline constexpr int kClipboard = 2;
inline constexpr int kShelf = 3;
inline constexpr int kStatistics = 4;
inline constexpr int kQuickControls = 5;  // also Quick Search
}  // namespace page

enum class AnimationKind : int {
  Other = 0,
  TowardsCard = 1,    // towards Notification or Expanded
  AwayFromCard = 2,   // away from them
  QuickControls = 3,  // switching to or from page 5
};

enum class HudKind : int { Volume = 0, CapsLock = 1, Battery = 2 };

// An interactive element of the expanded card: kind 0 is no element.
struct HitItem {
  int kind = 0;
  int index = -1;
  friend bool operator==(const HitItem&, const HitItem&) = default;
};

namespace hit {
inline constexpr int kHeaderFirst = 1;  // 1-3: header buttons of the card
inline constexpr int kHeaderLast = 3;
inline constexpr int kArt = 10;  // counts as no element for hovering
inline constexpr int kLyricLine = 11;
inline constexpr int kShelfItem = 20;
}  // namespace hit

// The island's timers (ids on the island window).
namespace island_timer {
inline constexpr unsigned kHoverOpen = 1;
inline constexpr unsigned kCollapse = 2;
inline constexpr unsigned kCard = 3;
inline constexpr unsigned kHud = 4;
inline constexpr unsigned kMediaView = 5;
inline constexpr unsigned kPauseGrace = 6;
inline constexpr unsigned kSessionGone = 7;
inline constexpr unsigned kCountdownRefresh = 8;
inline constexpr unsigned kStatistics = 9;
inline constexpr unsigned kCapsLock = 10;
inline constexpr unsigned kCountdownEnd = 11;
inline constexpr unsigned kAutoHide = 12;
inline constexpr unsigned kReveal = 13;
inline constexpr unsigned kCopyFeedback = 108;
}  // namespace island_timer

}  // namespace notch
