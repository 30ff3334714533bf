#include "shell/ilha/island.h"

#include <cmath>

#include "common/debug_log.h"
#include "host/translate.h"

namespace notch {
namespace {

bool IsCardState(IslandState s) { return s == IslandState::Notification || s == IslandState::Expanded; }

constexpr double kPreviousStateWindowMs = 90.0;
constexpr unsigned kNotificationCardMs = 4500;
constexpr unsigned kDownloadCardMs = 4000;
constexpr unsigned kVolumeHudMs = 1500;
constexpr unsigned kBatteryHudMs = 2500;

}  // namespace

Island::Island(IslandPlatform& platform, IslandPanel& panel, IslandActivities& activities, Settings& settings,
               const HostState& host, MediaState& media)
    : platform_(platform),
      panel_(panel),
      activities_(activities),
      settings_(settings),
      host_(host),
      media_state_(media) {
  activities_.Attach(*this);
}

void Island::Start() {
  record_.theme = settings_.CurrentTheme();
  activities_.ApplyThemeColours(static_cast<unsigned>(record_.theme));
  if (const auto power = platform_.ReadPowerStatus(); power && (power->battery_flag & 0x80) == 0) {
    record_.on_ac_power = power->ac_line_status == 1;
    record_.battery_present = true;
    record_.battery_percent = static_cast<int>(power->battery_percent);
  }
  Layout();
  ApplySettings();
}

void Island::UpdateState() {
  IslandRecord& r = record_;
  const double now = platform_.clock().NowMs();
  bool close_panel = false;
  bool check_full_screen = true;
  IslandState next = IslandState::Hidden;

  if (!r.enabled || r.full_screen_hidden || r.user_hidden) {
    close_panel = true;
    check_full_screen = false;
  } else if (r.expanded && r.page == page::kQuickControls && (panel_.Busy() || panel_.Foreground())) {
    next = IslandState::Expanded;
  } else if (r.notification_pending) {
    next = IslandState::Notification;
  } else if (r.hud_pending) {
    next = IslandState::Hud;
  } else if (r.auto_hidden) {
    close_panel = true;
    check_full_screen = false;
  } else if (r.expanded) {
    next = IslandState::Expanded;
  } else if (media_.has_media && (media_.playing || r.pause_grace)) {
    next = IslandState::Media;
  } else if (countdown_.active()) {
    next = IslandState::Timer;
  } else if (r.style != IslandStyle::ActivityOnly || r.privacy_bits != 0 || r.shown_on_demand) {
    next = IslandState::Idle;
  } else {
    close_panel = true;
    check_full_screen = false;
  }

  if (check_full_screen) {
    if (!r.shown && FullScreenTest()) {
      r.full_screen_hidden = true;
      DebugLog(L"ilha: tela cheia, some");
      next = IslandState::Hidden;
      close_panel = true;
    } else if (!(next == IslandState::Expanded && r.page == page::kQuickControls)) {
      close_panel = true;
    }
  }
  if (close_panel) panel_.Close();

  if (next != r.state) {
    const IslandState old = r.state;
    const double old_change = r.last_state_change_ms;
    r.last_state_change_ms = now;
    r.animation_kind = IsCardState(next)  ? AnimationKind::TowardsCard
                       : IsCardState(old) ? AnimationKind::AwayFromCard
                                          : AnimationKind::Other;
    // A change right after another keeps animating from where that one began.
    if (now - old_change >= kPreviousStateWindowMs) r.previous_state = old;
    r.pressed_state = IslandState::Hidden;
    if (next != IslandState::Expanded) {
      r.hovered_item = {};
      r.pressed_item = {};
    }
    r.state = next;
    DebugLog(L"ilha: %d -> %d", static_cast<int>(r.previous_state), static_cast<int>(next));
  }

  const bool target_changed =
      SetTargets(TargetGeometry(r.state, Inputs()), r.state == IslandState::Hidden ? 0.0f : 1.0f);

  if (r.state != IslandState::Hidden) {
    if (!r.shown) {
      // Every appearance grows out of the small hidden shape.
      PlaceSprings(TargetGeometry(IslandState::Hidden, Inputs()), 0.0f, false);
      r.previous_state = IslandState::Hidden;
      Layout();
      r.shown = true;
      DrawFrame();
      platform_.ShowWindow();
    }
    platform_.AssertTopmost();
  } else if (r.shown) {
    platform_.AssertTopmost();  // it hides when the closing animation settles
  }

  if ((target_changed || now - r.last_state_change_ms < 1.0) && !r.animating) {
    if (r.state == IslandState::Hidden && !r.shown) {
      // Nothing on screen to animate: the springs simply rest at the target.
      PlaceSprings(TargetGeometry(r.state, Inputs()), 0.0f, true);
    } else {
      StartAnimation();
    }
  }
  EvaluatePeriodicTimers();
  EvaluateAutoHide();
}

void Island::Toggle() {
  IslandRecord& r = record_;
  if (!r.enabled) return;
  const bool show = r.user_hidden || r.state == IslandState::Hidden;
  r.auto_hidden = false;
  r.shown_on_demand = show;
  r.user_hidden = !show;
  CancelAutoHideTimer();
  if (!show) {
    r.pointer_inside = false;
    r.expanded = false;
    platform_.KillTimer(island_timer::kHoverOpen);
    platform_.KillTimer(island_timer::kCollapse);
    if (platform_.HasMouseCapture()) platform_.ReleaseMouse();
  }
  UpdateState();
}

void Island::OpenQuickControls() {
  IslandRecord& r = record_;
  if (!r.enabled || r.full_screen_hidden) return;
  r.auto_hidden = false;
  r.user_hidden = false;
  r.expanded = true;
  SetPage(page::kQuickControls);
  UpdateState();
}

void Island::OpenQuickSearch() {
  if (!record_.enabled || record_.full_screen_hidden) return;
  OpenQuickControls();
  panel_.StartSearch();
}

void Island::SetPage(int page) {
  IslandRecord& r = record_;
  if (page == r.page) return;
  activities_.CloseLyricsPanel();
  if (r.state == IslandState::Expanded && (page == page::kQuickControls || r.page == page::kQuickControls)) {
    r.animation_kind = AnimationKind::QuickControls;
  }
  r.page_direction = r.page < page ? 1 : -1;
  r.page = page;
  r.page_switch_time_ms = platform_.clock().NowMs();
  if (!r.animating) StartAnimation();
  UpdateState();
}

void Island::Collapse() {
  record_.expanded = false;
  activities_.CloseLyricsPanel();
  platform_.KillTimer(island_timer::kCollapse);
  UpdateState();
}

void Island::ShowHud(HudKind kind, unsigned duration_ms) {
  record_.hud_kind = kind;
  record_.hud_pending = true;
  platform_.SetTimer(island_timer::kHud, duration_ms);
  if (record_.state != IslandState::Hud) {
    UpdateState();
  } else {
    Redraw();
  }
}

void Island::ShowVolumeHud(float level, bool muted) {
  const IslandRecord& r = record_;
  if (!r.enabled || !r.volume_hud_enabled || r.full_screen_hidden || r.user_hidden || r.notification_pending) return;
  // The panel's own volume slider and mute button change the volume too:
  // while the panel is in use, the island shows no HUD for them.
  if (panel_.Busy() || panel_.Foreground()) return;
  record_.hud_volume_level = level;
  record_.hud_muted = muted;
  ShowHud(HudKind::Volume, kVolumeHudMs);
}

void Island::ShowCard(NoticeCard card, unsigned duration_ms) {
  IslandRecord& r = record_;
  r.card = std::move(card);
  const bool repeat = r.notification_pending && r.state == IslandState::Notification;
  r.notification_pending = true;
  r.hud_pending = false;
  platform_.KillTimer(island_timer::kHud);
  platform_.SetTimer(island_timer::kCard, duration_ms);
  if (repeat) {
    // The card pops again, as if its transition had begun 90 ms ago.
    r.last_state_change_ms = platform_.clock().NowMs() - kPreviousStateWindowMs;
    r.previous_state = IslandState::Notification;
    if (!r.animating) StartAnimation();
  }
  UpdateState();
}

void Island::ShowNotification(const std::wstring& app_name, const std::wstring& title, const std::wstring& body,
                              std::function<void()> click_action) {
  const IslandRecord& r = record_;
  if (!r.enabled || !r.notifications_enabled || r.full_screen_hidden || r.user_hidden) return;
  NoticeCard card;
  card.title = title.empty() ? app_name : title;
  card.subtitle = !body.empty() ? body : title.empty() ? std::wstring() : app_name;
  card.click_action = std::move(click_action);
  ShowCard(std::move(card), kNotificationCardMs);
}

void Island::OnDownloadFinished(const std::wstring& path) {
  if (!record_.enabled || record_.full_screen_hidden) return;
  NoticeCard card;
  card.title = Translate(L"Download concluído");
  const std::size_t slash = path.rfind(L'\\');
  card.subtitle = slash == std::wstring::npos ? path : path.substr(slash + 1);
  card.glyph = kDownloadGlyph;
  card.colour = kDownloadBlue;
  activities_.DecorateDownloadCard(card, path);
  ShowCard(std::move(card), kDownloadCardMs);
}

void Island::ApplySettings() {
  IslandRecord& r = record_;
  const bool was_enabled = r.enabled;
  const IslandStyle old_style = r.style;
  const bool enabled = settings_.IslandEnabled();
  const IslandStyle style = settings_.Style();
  r.enabled = enabled;
  r.notifications_enabled = settings_.NotificationsEnabled();
  r.volume_hud_enabled = settings_.VolumeHudEnabled();
  r.hover_open = settings_.HoverOpen();

  const int seconds = settings_.AutoHideSeconds();
  if (seconds != r.auto_hide_seconds) {
    r.auto_hide_deferred = false;
    CancelAutoHideTimer();
    r.auto_hide_seconds = seconds;
    r.shown_on_demand = false;
    r.auto_hidden = false;
  }

  activities_.SetLyricsEnabled(enabled && settings_.LyricsOn());

  const Theme theme = settings_.CurrentTheme();
  if (theme != r.theme) {
    r.theme = theme;
    activities_.ApplyThemeColours(static_cast<unsigned>(theme));
    RefreshLyricWidth();
    DebugLog(L"ilha: tema %d", static_cast<int>(theme));
  }

  if (enabled) {
    activities_.StartMediaThread();
    if (!watchers_started_) {
      watchers_started_ = true;
      activities_.StartWatchers();
    }
  }

  if (enabled != was_enabled || style != old_style) {
    DebugLog(L"ilha: %ls (%ls)", enabled ? L"ligada" : L"desligada", std::wstring(IslandStyleText(style)).c_str());
  }
  if (style != old_style && r.shown) {
    // The new style starts from nothing.
    platform_.HideWindow();
    r.shown = false;
    region_valid_ = false;
    r.state = IslandState::Hidden;
  }
  r.style = style;
  if (!r.volume_hud_enabled && r.hud_kind == HudKind::Volume) r.hud_pending = false;
  if (!r.notifications_enabled) r.notification_pending = false;

  Layout();
  UpdateState();
  if (r.shown && !r.animating) DrawFrame();
}

void Island::OnPanelSizeChanged() {
  if (record_.state != IslandState::Expanded || record_.page != page::kQuickControls) return;
  record_.animation_kind = AnimationKind::QuickControls;
  UpdateState();
  if (!record_.animating) StartAnimation();
}

void Island::OnHeaderChanged() {
  activities_.RefreshHeader();
  Redraw();
}

void Island::OnPanelLostFocus() {
  const IslandRecord& r = record_;
  if (r.state == IslandState::Expanded && r.page == page::kQuickControls && !r.pointer_inside && !panel_.Busy()) {
    platform_.SetTimer(island_timer::kCollapse, 250);
  }
}

void Island::OnPrivacyChange(std::uint32_t bits) {
  if (bits == record_.privacy_bits) return;
  record_.privacy_bits = bits;
  DebugLog(L"ilha: microfone %d câmera %d", static_cast<int>(bits & 1), static_cast<int>((bits >> 1) & 1));
  UpdateState();
  Redraw();
}

void Island::OnPowerStatusChange() {
  IslandRecord& r = record_;
  if (!r.enabled) return;
  const auto power = platform_.ReadPowerStatus();
  if (!power || (power->battery_flag & 0x80) != 0 || power->battery_percent > 100) return;
  const bool on_ac = power->ac_line_status == 1;
  const int percent = static_cast<int>(power->battery_percent);
  const bool low_mark = percent == 5 || percent == 10 || percent == 20;
  r.battery_present = true;
  if (on_ac != r.on_ac_power || (!on_ac && low_mark && percent != r.battery_percent)) {
    r.on_ac_power = on_ac;
    r.battery_percent = percent;
    ShowHud(HudKind::Battery, kBatteryHudMs);
  }
  r.battery_percent = percent;
}

void Island::OnMediaUpdate(bool forced) {
  IslandRecord& r = record_;
  const double now = platform_.clock().NowMs();
  const bool was_playing = media_.playing;
  const double old_position = CurrentPosition(media_, now);
  const auto old_lyrics = media_.lyrics;
  {
    std::lock_guard lock(media_state_.mutex);
    if (!media_state_.pending.has_media && media_.has_media && !forced) {
      // Some players drop the session between tracks: confirm it later.
      platform_.SetTimer(island_timer::kSessionGone, 1500);
      return;
    }
    platform_.KillTimer(island_timer::kSessionGone);
    media_ = media_state_.pending;
  }
  if (media_.lyrics != old_lyrics) {
    r.lyrics_scroll_offset = 0;
    activities_.CloseLyricsPanel();
    RefreshLyricWidth();
    activities_.ResetLyricsView(true);
  } else if (std::abs(CurrentPosition(media_, now) - old_position) > 0.15) {
    activities_.ResetLyricsView(false);
  }
  if (media_.playing) {
    r.pause_grace = false;
    platform_.KillTimer(island_timer::kPauseGrace);
  } else if (was_playing && media_.has_media) {
    r.pause_grace = true;
    platform_.SetTimer(island_timer::kPauseGrace, 5000);
  } else if (!media_.has_media) {
    r.pause_grace = false;
  }
  UpdateState();
  Redraw();
}

void Island::RefreshLyricWidth() { record_.lyric_width = activities_.MeasureLyricWidth(); }

GeometryInputs Island::Inputs() const {
  GeometryInputs in;
  in.style = record_.style;
  in.theme = record_.theme;
  in.notch_height = notch_height_;
  in.privacy = record_.privacy_bits != 0;
  in.lyrics_timed = activities_.LyricsHaveTimedLines();
  in.lyric_width = record_.lyric_width;
  in.countdown_running = countdown_.active();
  in.page = record_.page;
  in.track_exists = activities_.TrackExists();
  in.lyrics_panel_open = activities_.LyricsPanelOpen();
  in.panel_size = panel_.ContentSize();
  return in;
}

}  // namespace notch
