// Hiding the island after a delay without activity, and revealing it again
// from the strip at the top edge of the screen.
#include <algorithm>

#include "shell/ilha/island.h"

namespace notch {

void Island::CancelAutoHideTimer() {
  platform_.KillTimer(island_timer::kAutoHide);
  record_.auto_hide_deadline = 0;
}

void Island::EvaluateAutoHide() {
  IslandRecord& r = record_;
  const bool active = r.auto_hide_seconds > 0 && r.enabled && !r.full_screen_hidden && !r.user_hidden;
  if (active && r.shown && r.state != IslandState::Hidden && !r.auto_hidden && !r.pointer_inside && !r.drag_over &&
      !panel_.Busy()) {
    if (r.auto_hide_deadline == 0) {
      const unsigned delay = static_cast<unsigned>(r.auto_hide_seconds) * 1000u;
      platform_.SetTimer(island_timer::kAutoHide, delay);
      r.auto_hide_deadline = platform_.clock().TickMs() + delay;
    }
  } else {
    r.auto_hide_deferred = false;
    CancelAutoHideTimer();
  }

  if (active && r.auto_hidden) {
    if (!r.reveal_timer) {
      platform_.SetTimer(island_timer::kReveal, 120);
      r.reveal_timer = true;
      const ScreenPoint cursor = platform_.CursorPosition();
      r.pointer_was_outside = !reveal_strip_.Contains(cursor.x, cursor.y);
    }
  } else if (r.reveal_timer) {
    platform_.KillTimer(island_timer::kReveal);
    r.reveal_timer = false;
  }
}

void Island::ResetAutoHide() {
  IslandRecord& r = record_;
  if (r.auto_hide_seconds == 0) return;
  r.auto_hide_deferred = false;
  CancelAutoHideTimer();
  if (!r.auto_hidden) {
    EvaluateAutoHide();  // the full delay starts again
    return;
  }
  r.auto_hidden = false;
  r.shown_on_demand = true;
  UpdateState();
}

void Island::OnAutoHideTimer() {
  IslandRecord& r = record_;
  if (r.auto_hide_deadline == 0 || platform_.clock().TickMs() < r.auto_hide_deadline) return;
  const bool deferred = r.auto_hide_deferred;
  r.auto_hide_deferred = false;
  CancelAutoHideTimer();
  if (r.auto_hide_seconds == 0 || !r.shown || r.full_screen_hidden || r.pointer_inside || r.drag_over) return;
  if (panel_.Busy()) {
    r.auto_hide_deferred = true;
    platform_.SetTimer(island_timer::kAutoHide, 1000);
    r.auto_hide_deadline = platform_.clock().TickMs() + 1000;
    return;
  }
  if (deferred) {
    ResetAutoHide();
    return;
  }
  if (platform_.CursorOverIsland()) {
    // Never hide under a resting pointer; leaving starts the delay again.
    platform_.TrackMouseLeave();
    r.pointer_inside = true;
    EvaluateAutoHide();
    return;
  }
  r.reveal_width = std::max(static_cast<float>(region_.width()) / scale(), 96.0f);
  r.auto_hidden = true;
  r.shown_on_demand = false;
  r.expanded = false;
  platform_.KillTimer(island_timer::kHoverOpen);
  platform_.KillTimer(island_timer::kCollapse);
  Layout();
  UpdateState();
}

void Island::OnRevealTimer() {
  IslandRecord& r = record_;
  if (!r.auto_hidden || r.full_screen_hidden) return;
  const ScreenPoint cursor = platform_.CursorPosition();
  const bool inside = reveal_strip_.Contains(cursor.x, cursor.y);
  if (inside && r.pointer_was_outside) {
    ResetAutoHide();
  } else if (!inside) {
    r.pointer_was_outside = true;
  }
}

}  // namespace notch
