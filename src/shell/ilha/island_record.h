#pragma once
// The island's record: the flags event sources set and the state derived
// from them. Written on the window thread only.
#include <cstdint>

#include "activities/notice_card.h"
#include "host/settings.h"
#include "shell/ilha/island_types.h"

namespace notch {

struct ScreenPoint {
  int x = 0, y = 0;
};

struct IslandRecord {
  bool enabled = false;
  bool notifications_enabled = true;
  bool volume_hud_enabled = true;
  bool hover_open = false;
  bool full_screen_hidden = false;
  bool shown = false;
  bool auto_hidden = false;
  bool shown_on_demand = false;  // revealed by the user; shows Idle in the Activity only style
  int auto_hide_seconds = 0;
  bool user_hidden = false;
  bool animating = false;
  bool expanded = false;
  bool pointer_inside = false;
  bool pause_grace = false;
  double last_state_change_ms = 0.0;
  AnimationKind animation_kind = AnimationKind::Other;
  bool notification_pending = false;
  bool hud_pending = false;
  bool drag_over = false;
  HudKind hud_kind = HudKind::Volume;
  float hud_volume_level = 0.0f;
  bool hud_muted = false;
  bool caps_lock_on = false;
  bool on_ac_power = true;
  bool battery_present = false;
  int battery_percent = 0;
  std::uint32_t privacy_bits = 0;
  IslandState state = IslandState::Hidden;
  IslandState previous_state = IslandState::Hidden;
  IslandStyle style = IslandStyle::Notch;
  int page = page::kMedia;
  int page_direction = 1;
  double page_switch_time_ms = 0.0;
  Theme theme = Theme::Sequoia;
  IslandState pressed_state = IslandState::Hidden;  // Hidden: no press inside the shape
  HitItem hovered_item;
  HitItem pressed_item;
  ScreenPoint press_point;  // client pixels
  NoticeCard card;
  int lyrics_scroll_offset = 0;
  float lyric_width = 0.0f;
  // Periodic timers that are running.
  bool media_view_timer = false;
  bool countdown_refresh_timer = false;
  bool statistics_timer = false;
  bool reveal_timer = false;
  // Auto-hide.
  std::uint64_t auto_hide_deadline = 0;  // tick count; 0: none
  bool auto_hide_deferred = false;
  bool pointer_was_outside = false;
  float reveal_width = 96.0f;
};

}  // namespace notch
