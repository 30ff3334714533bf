#pragma once
// The island: one record of flags that event sources set, UpdateState that
// derives the visible state from them, the operations other parts call, the
// handlers of the island window's messages and timers, and the spring
// animation, region and auto-hide that follow the state.
//
// Everything here runs on the window thread and reaches the system only
// through the ports, so the whole island runs against a virtual platform.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "activities/countdown.h"
#include "activities/media_snapshot.h"
#include "activities/media_state.h"
#include "activities/notice_card.h"
#include "host/host_state.h"
#include "host/settings.h"
#include "shell/ilha/island_geometry.h"
#include "shell/ilha/island_ports.h"
#include "shell/ilha/island_record.h"
#include "shell/ilha/island_types.h"
#include "shell/ilha/shape_paths.h"
#include "shell/ilha/spring.h"

namespace notch {

// The five animated values of the shape.
struct IslandSprings {
  Spring width, height, upper_radius, lower_radius, opacity;
};

class Island final : public IslandCommands {
 public:
  Island(IslandPlatform& platform, IslandPanel& panel, IslandActivities& activities, Settings& settings,
         const HostState& host, MediaState& media);
  Island(const Island&) = delete;
  Island& operator=(const Island&) = delete;

  // Creation after the window exists: theme, battery snapshot, layout and
  // the first apply of the settings.
  void Start();

  // Operations.
  void UpdateState() override;
  void Toggle();
  void OpenQuickControls();
  void OpenQuickSearch();
  void SetPage(int page);
  void Collapse() override;
  void ShowHud(HudKind kind, unsigned duration_ms);
  void ShowVolumeHud(float level, bool muted);
  void ShowCard(NoticeCard card, unsigned duration_ms);
  void ShowNotification(const std::wstring& app_name, const std::wstring& title, const std::wstring& body,
                        std::function<void()> click_action);
  void ApplySettings();
  void OnPanelSizeChanged();
  void OnPanelLostFocus();
  void OnPanelActivity() { ResetAutoHide(); }
  // The button layout changed: the header row is drawn again from it.
  void OnHeaderChanged();
  void CheckFullScreen(bool forced_hidden);
  bool FullScreenTest() const;

  // The countdown of the timer page.
  void StartCountdown(double minutes) override;
  void ToggleCountdownPause() override;
  void StopCountdown() override;
  void AddCountdownMinute() override;
  const Countdown& countdown() const { return countdown_; }

  // Files dragged over the island (the shelf's drop target).
  void BeginFileDrag() override;
  void EndFileDrag(bool dropped) override;

  // Window messages.
  void OnPaint();
  void OnCancelMode() { record_.pressed_state = IslandState::Hidden; }
  void OnDisplayChange();
  void OnTimer(unsigned id);
  void OnMouseMove(ScreenPoint client_px, bool left_button_down);
  void OnLeftButtonDown(ScreenPoint client_px);
  void OnLeftButtonUp(ScreenPoint client_px);
  void OnRightButtonUp(ScreenPoint client_px);
  bool OnMouseWheel(ScreenPoint screen_px, int wheel_delta);  // false: not handled
  void OnPowerStatusChange();
  void OnMouseLeave();
  void OnClipboardUpdate();
  void OnFrame();
  void OnMediaUpdate(bool forced);
  void OnCapsLockPressed();
  void OnPrivacyChange(std::uint32_t bits);
  void OnDownloadFinished(const std::wstring& path);

  // Drawing.
  void DrawFrame();
  void Redraw() override;  // a frame now, unless the animation draws one anyway
  void StartTimer(unsigned id, unsigned ms) override { platform_.SetTimer(id, ms); }

  const IslandRecord& record() const override { return record_; }
  const IslandSprings& springs() const { return springs_; }
  const MediaSnapshot& media() const override { return media_; }
  MediaSnapshot& media_for_update() override { return media_; }
  double now_ms() const override { return platform_.clock().NowMs(); }
  bool reduce_motion() const override { return host_.reduce_motion; }
  const PixelRect& region() const { return region_; }
  float notch_height() const { return notch_height_; }
  float scale() const;
  RectF CurrentShapeRect() const;

 private:
  GeometryInputs Inputs() const;
  bool SetTargets(const ShapeGeometry& geometry, float opacity);
  void PlaceSprings(const ShapeGeometry& geometry, float opacity, bool with_targets);
  void Layout();
  void StartAnimation();
  void StopAnimation();
  void AnimationStep();
  void EvaluatePeriodicTimers();
  void ArmCountdownTimer();
  PointF ToDips(ScreenPoint client_px) const;
  void RefreshLyricWidth();

  // Auto-hide.
  void EvaluateAutoHide();
  void ResetAutoHide();
  void CancelAutoHideTimer();
  void OnAutoHideTimer();
  void OnRevealTimer();

  // Timer expiries.
  void OnHoverOpenTimer();
  void OnCollapseTimer();
  void OnCardTimer();
  void OnCountdownEnd();

  IslandPlatform& platform_;
  IslandPanel& panel_;
  IslandActivities& activities_;
  Settings& settings_;
  const HostState& host_;
  MediaState& media_state_;

  IslandRecord record_;
  IslandSprings springs_;
  MediaSnapshot media_;
  Countdown countdown_;
  bool watchers_started_ = false;
  double last_tick_ms_ = 0.0;
  float notch_height_ = 24.0f;
  PixelRect monitor_;
  PixelRect reveal_strip_;
  PixelRect region_;
  bool region_valid_ = false;
  bool surface_tall_ = false;

  ShapePaths shape_paths_;
};

}  // namespace notch
