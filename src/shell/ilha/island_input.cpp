// The island window's pointer, clipboard and paint messages.
#include <algorithm>
#include <cstdlib>

#include "shell/ilha/island.h"

namespace notch {
namespace {

constexpr int kDragThresholdPx = 5;

}  // namespace

PointF Island::ToDips(ScreenPoint client_px) const {
  const float s = scale();
  return {static_cast<float>(client_px.x) / s, static_cast<float>(client_px.y) / s};
}

void Island::OnPaint() {
  if (record_.shown) DrawFrame();
}

void Island::OnDisplayChange() {
  Layout();
  if (!record_.shown) return;
  UpdateState();
  DrawFrame();
}

void Island::OnMouseMove(ScreenPoint client_px, bool left_button_down) {
  IslandRecord& r = record_;
  if (r.state == IslandState::Hidden) return;
  const PointF point = ToDips(client_px);
  if (!r.pointer_inside) {
    r.pointer_inside = true;
    platform_.TrackMouseLeave();
    if (r.hover_open && HoverCanOpen(r.state)) platform_.SetTimer(island_timer::kHoverOpen, 200);
  }
  ResetAutoHide();
  platform_.KillTimer(island_timer::kCollapse);

  if (r.pressed_item.kind == hit::kShelfItem && left_button_down &&
      (std::abs(client_px.x - r.press_point.x) > kDragThresholdPx ||
       std::abs(client_px.y - r.press_point.y) > kDragThresholdPx)) {
    const int index = r.pressed_item.index;
    r.pressed_item = {};
    platform_.ReleaseMouse();
    activities_.StartShelfDrag(index);
    return;
  }

  HitItem item = r.state == IslandState::Expanded ? activities_.HitTest(point) : HitItem{};
  if (item.kind == hit::kArt) item = {};
  if (item != r.hovered_item) {
    r.hovered_item = item;
    Redraw();
  }
}

void Island::OnLeftButtonDown(ScreenPoint client_px) {
  IslandRecord& r = record_;
  if (r.state == IslandState::Hidden) return;
  platform_.KillTimer(island_timer::kHoverOpen);
  ResetAutoHide();
  const PointF point = ToDips(client_px);
  if (r.state != IslandState::Expanded) {
    r.pressed_state = CurrentShapeRect().Contains(point) ? r.state : IslandState::Hidden;
    return;
  }
  const HitItem item = activities_.HitTest(point);
  if (item.kind != 0) {
    r.pressed_item = item;
    r.press_point = client_px;
    platform_.CaptureMouse();
  } else {
    r.pressed_item = {};
  }
}

void Island::OnLeftButtonUp(ScreenPoint client_px) {
  IslandRecord& r = record_;
  const IslandState pressed_state = r.pressed_state;
  const HitItem pressed_item = r.pressed_item;
  r.pressed_state = IslandState::Hidden;
  r.pressed_item = {};
  platform_.ReleaseMouse();
  const PointF point = ToDips(client_px);

  if (pressed_item.kind != 0) {
    if (activities_.HitTest(point) != pressed_item) return;
    if (pressed_item.kind >= hit::kHeaderFirst && pressed_item.kind <= hit::kHeaderLast) {
      panel_.HeaderClicked(pressed_item);
    } else {
      activities_.Activate(pressed_item, point);
    }
    return;
  }
  if (pressed_state == IslandState::Hidden || pressed_state != r.state || !CurrentShapeRect().Contains(point)) return;
  if (r.state == IslandState::Notification) {
    // The card goes first; its action may open windows or change the island.
    const auto action = std::move(r.card.click_action);
    r.card = {};
    r.notification_pending = false;
    platform_.KillTimer(island_timer::kCard);
    UpdateState();
    if (action) action();
    return;
  }
  r.expanded = true;
  UpdateState();
}

void Island::OnRightButtonUp(ScreenPoint client_px) {
  if (record_.state == IslandState::Hidden) return;
  ResetAutoHide();
  if (record_.state != IslandState::Expanded) return;
  const HitItem item = activities_.HitTest(ToDips(client_px));
  if (item.kind >= hit::kHeaderFirst && item.kind <= hit::kHeaderLast) {
    OpenQuickControls();
    panel_.OpenButtonLayout();
  } else if (item.kind == hit::kShelfItem) {
    activities_.RemoveShelfItem(item.index);
  } else {
    Collapse();
  }
}

bool Island::OnMouseWheel(ScreenPoint screen_px, int wheel_delta) {
  IslandRecord& r = record_;
  const int lines = activities_.UntimedLyricLines();
  if (r.state != IslandState::Expanded || r.page != page::kMedia || lines <= 0) return false;
  const ScreenPoint origin = platform_.WindowOrigin();
  const PointF point = ToDips({screen_px.x - origin.x, screen_px.y - origin.y});
  if (activities_.HitTest(point).kind != hit::kLyricLine) return false;
  r.lyrics_scroll_offset = std::clamp(r.lyrics_scroll_offset - wheel_delta / 120, 0, lines - 1);
  Redraw();
  return true;
}

void Island::OnMouseLeave() {
  IslandRecord& r = record_;
  r.pointer_inside = false;
  r.pressed_state = IslandState::Hidden;
  platform_.KillTimer(island_timer::kHoverOpen);
  if (r.hovered_item != HitItem{}) {
    r.hovered_item = {};
    Redraw();
  }
  if (r.expanded) platform_.SetTimer(island_timer::kCollapse, 250);
  if (r.notification_pending) platform_.SetTimer(island_timer::kCard, 1500);
  EvaluateAutoHide();
}

void Island::OnClipboardUpdate() {
  if (activities_.OwnClipboardCopy()) return;
  if (!record_.enabled) return;
  activities_.CaptureClipboard();
  if (record_.state == IslandState::Expanded && record_.page == page::kClipboard) Redraw();
}

void Island::OnCapsLockPressed() { platform_.SetTimer(island_timer::kCapsLock, 40); }

}  // namespace notch
