// The island's timers and the countdown they drive.
#include "common/debug_log.h"
#include "host/translate.h"
#include "shell/ilha/island.h"

namespace notch {
namespace {

constexpr unsigned kCapsLockHudMs = 1300;
constexpr unsigned kTimerCardMs = 6000;
constexpr unsigned kCardAfterLeaveMs = 1500;
constexpr unsigned kCollapseAfterDragLeavesMs = 400;
constexpr unsigned kCollapseAfterDropMs = 1500;

}  // namespace

void Island::OnTimer(unsigned id) {
  switch (id) {
    case island_timer::kHoverOpen:
      OnHoverOpenTimer();
      break;
    case island_timer::kCollapse:
      OnCollapseTimer();
      break;
    case island_timer::kCard:
      OnCardTimer();
      break;
    case island_timer::kHud:
      platform_.KillTimer(id);
      record_.hud_pending = false;
      UpdateState();
      break;
    case island_timer::kMediaView:
      if (activities_.MediaViewTick()) Redraw();
      if (!activities_.MediaViewAnimating()) {
        platform_.KillTimer(id);
        record_.media_view_timer = false;
      }
      break;
    case island_timer::kPauseGrace:
      platform_.KillTimer(id);
      record_.pause_grace = false;
      UpdateState();
      break;
    case island_timer::kSessionGone:
      platform_.KillTimer(id);
      platform_.PostMediaRecheck();
      break;
    case island_timer::kCountdownRefresh:
      Redraw();
      break;
    case island_timer::kStatistics:
      activities_.SampleStatistics();
      Redraw();
      break;
    case island_timer::kCapsLock:
      platform_.KillTimer(id);
      record_.caps_lock_on = platform_.CapsLockOn();
      if (record_.enabled && !record_.full_screen_hidden) ShowHud(HudKind::CapsLock, kCapsLockHudMs);
      break;
    case island_timer::kCountdownEnd:
      OnCountdownEnd();
      break;
    case island_timer::kAutoHide:
      OnAutoHideTimer();
      break;
    case island_timer::kReveal:
      OnRevealTimer();
      break;
    case island_timer::kCopyFeedback:
      platform_.KillTimer(id);
      activities_.EndCopyFeedback();
      Redraw();
      break;
    default:
      break;
  }
}

void Island::OnHoverOpenTimer() {
  platform_.KillTimer(island_timer::kHoverOpen);
  if (!record_.hover_open || !record_.pointer_inside || !HoverCanOpen(record_.state)) return;
  record_.expanded = true;
  UpdateState();
}

void Island::OnCollapseTimer() {
  if (panel_.Foreground()) {
    platform_.KillTimer(island_timer::kCollapse);  // the panel keeps the island open
    return;
  }
  if (panel_.Busy()) return;  // ask again on the next tick
  platform_.KillTimer(island_timer::kCollapse);
  if (record_.pointer_inside || record_.drag_over) return;
  DebugLog(L"ilha: ponteiro saiu, fecha");
  Collapse();
  if (record_.notification_pending) platform_.SetTimer(island_timer::kCard, kCardAfterLeaveMs);
}

void Island::OnCardTimer() {
  platform_.KillTimer(island_timer::kCard);
  if (record_.pointer_inside && record_.state == IslandState::Notification) return;  // read while hovered
  record_.notification_pending = false;
  record_.card = {};
  UpdateState();
}

void Island::EvaluatePeriodicTimers() {
  IslandRecord& r = record_;
  const auto run = [this](unsigned id, unsigned ms, bool wanted, bool& running) {
    if (wanted && !running) platform_.SetTimer(id, ms);
    if (!wanted && running) platform_.KillTimer(id);
    const bool started = wanted && !running;
    running = wanted;
    return started;
  };
  run(island_timer::kMediaView, 33, activities_.MediaViewAnimating(), r.media_view_timer);

  const bool pill_shows_countdown = r.state == IslandState::Media || r.state == IslandState::Timer;
  const bool timer_page = r.state == IslandState::Expanded && r.page == page::kTimer;
  run(island_timer::kCountdownRefresh, 250,
      countdown_.active() && !countdown_.paused() && (pill_shows_countdown || timer_page), r.countdown_refresh_timer);

  const bool statistics_page = r.state == IslandState::Expanded && r.page == page::kStatistics;
  if (run(island_timer::kStatistics, 1000, statistics_page, r.statistics_timer)) activities_.SampleStatistics();
}

void Island::ArmCountdownTimer() {
  const unsigned ms = countdown_.CompletionTimerMs(platform_.clock().NowMs());
  if (ms == 0) {
    platform_.KillTimer(island_timer::kCountdownEnd);
  } else {
    platform_.SetTimer(island_timer::kCountdownEnd, ms);
  }
}

void Island::StartCountdown(double minutes) {
  countdown_.Start(minutes, platform_.clock().NowMs());
  ArmCountdownTimer();
  DebugLog(L"ilha: timer de %.0f min", minutes);
  UpdateState();
}

void Island::ToggleCountdownPause() {
  countdown_.TogglePause(platform_.clock().NowMs());
  ArmCountdownTimer();
  EvaluatePeriodicTimers();
}

void Island::StopCountdown() {
  countdown_.Stop();
  ArmCountdownTimer();
  UpdateState();
}

void Island::AddCountdownMinute() {
  countdown_.AddMinute(platform_.clock().NowMs());
  ArmCountdownTimer();
}

void Island::BeginFileDrag() {
  IslandRecord& r = record_;
  r.drag_over = true;
  platform_.KillTimer(island_timer::kCollapse);
  SetPage(page::kShelf);
  r.expanded = true;
  UpdateState();
}

void Island::EndFileDrag(bool dropped) {
  record_.drag_over = false;
  platform_.SetTimer(island_timer::kCollapse, dropped ? kCollapseAfterDropMs : kCollapseAfterDragLeavesMs);
  EvaluateAutoHide();
  Redraw();
}

void Island::OnCountdownEnd() {
  if (!countdown_.FinishIfDue(platform_.clock().NowMs())) {
    ArmCountdownTimer();  // fired early
    return;
  }
  platform_.KillTimer(island_timer::kCountdownEnd);
  platform_.PlayTimerDoneSound();
  DebugLog(L"ilha: timer concluído");
  if (!record_.enabled) {
    UpdateState();
    return;
  }
  NoticeCard card;
  card.title = Translate(L"Timer concluído");
  card.subtitle = FormatCountdown(countdown_.total_ms());
  card.glyph = kTimerGlyph;
  card.colour = kTimerOrange;
  ShowCard(std::move(card), kTimerCardMs);
}

}  // namespace notch
