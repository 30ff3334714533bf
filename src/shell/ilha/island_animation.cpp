// Layout, springs, frames, the window region and the full-screen check.
#include <algorithm>
#include <cmath>

#include "common/debug_log.h"
#include "render/island_painter.h"
#include "shell/ilha/content_fade.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_animation_rules.h"

namespace notch {
namespace {

constexpr float kShapeEpsilon = 0.05f;
constexpr SpringParameters kOpacitySpring{0.17f, 1.0f};
constexpr float kOpacityEpsilon = 0.004f;

}  // namespace

float Island::scale() const {
  const unsigned dpi = platform_.WindowDpi();
  return static_cast<float>(dpi == 0 ? 96 : dpi) / 96.0f;
}

RectF Island::CurrentShapeRect() const {
  return ShapeRect(springs_.width.position, springs_.height.position, record_.style, notch_height_);
}

bool Island::SetTargets(const ShapeGeometry& g, float opacity) {
  const bool changed = springs_.width.target != g.width || springs_.height.target != g.height ||
                       springs_.upper_radius.target != g.upper_radius ||
                       springs_.lower_radius.target != g.lower_radius || springs_.opacity.target != opacity;
  springs_.width.target = g.width;
  springs_.height.target = g.height;
  springs_.upper_radius.target = g.upper_radius;
  springs_.lower_radius.target = g.lower_radius;
  springs_.opacity.target = opacity;
  return changed;
}

void Island::PlaceSprings(const ShapeGeometry& g, float opacity, bool with_targets) {
  const auto place = [with_targets](Spring& spring, float value) {
    spring.position = value;
    spring.velocity = 0.0f;
    if (with_targets) spring.target = value;
  };
  place(springs_.width, g.width);
  place(springs_.height, g.height);
  place(springs_.upper_radius, g.upper_radius);
  place(springs_.lower_radius, g.lower_radius);
  place(springs_.opacity, opacity);
}

void Island::Layout() {
  const MonitorInfo monitor = platform_.PrimaryMonitor();
  const float s = scale();
  monitor_ = monitor.rect;
  notch_height_ = NotchHeight(monitor.dpi == 0 ? 96 : monitor.dpi, s, record_.theme);
  if (record_.auto_hidden) reveal_strip_ = RevealStrip(monitor_, record_.reveal_width, s);
  platform_.PlaceWindow(WindowPlacement(monitor_, s), record_.shown);
}

void Island::StartAnimation() {
  record_.animating = true;
  last_tick_ms_ = platform_.clock().NowMs();
  EvaluatePeriodicTimers();
  platform_.SetFrameClock(true);
}

void Island::StopAnimation() {
  record_.animating = false;
  platform_.SetFrameClock(false);
}

void Island::OnFrame() {
  if (record_.animating) AnimationStep();
}

void Island::AnimationStep() {
  IslandRecord& r = record_;
  const double now = platform_.clock().NowMs();
  const double dt = std::clamp(now - last_tick_ms_, 1.0, 50.0);
  last_tick_ms_ = now;

  const SpringParameters shape = ShapeSpringParameters(r.animation_kind, r.theme, host_.reduce_motion);
  bool moving = false;
  for (Spring* spring : {&springs_.width, &springs_.height, &springs_.upper_radius, &springs_.lower_radius}) {
    moving |= spring->Update(dt, shape, kShapeEpsilon);
  }
  moving |= springs_.opacity.Update(dt, kOpacitySpring, kOpacityEpsilon);

  const bool continues = AnimationContinues(now - r.last_state_change_ms, now - r.page_switch_time_ms, moving);
  if (media_.has_media &&
      (r.state == IslandState::Media || (r.state == IslandState::Expanded && r.page == page::kMedia))) {
    activities_.AdvanceLevelAnimation();
  }
  if (continues) {
    DrawFrame();
    return;
  }

  StopAnimation();
  DrawFrame();
  if (!(r.state == IslandState::Expanded && r.page == page::kQuickControls)) panel_.Close();
  if (r.state == IslandState::Hidden) {
    platform_.HideWindow();
    r.shown = false;
    region_valid_ = false;
    platform_.ReleaseSurface();
    shape_paths_.Reset();
  }
  platform_.TrimGraphicsMemory();
  EvaluatePeriodicTimers();
}

void Island::Redraw() {
  if (record_.shown && !record_.animating) DrawFrame();
}

void Island::DrawFrame() {
  IslandRecord& r = record_;
  const float s = scale();
  const double now = platform_.clock().NowMs();
  surface_tall_ = r.state == IslandState::Expanded || (r.animating && surface_tall_);
  const SurfaceSize surface = DrawingSurfaceSize(s, surface_tall_);
  const RectF shape = CurrentShapeRect();
  const float opacity = std::clamp(springs_.opacity.position, 0.0f, 1.0f);

  if (Canvas* canvas = platform_.BeginFrame(surface.width, surface.height, s)) {
    const bool quick_controls = r.state == IslandState::Expanded && r.page == page::kQuickControls;
    const float upper = springs_.upper_radius.position;
    const IslandPaintInputs look = shape_paths_.Prepare(*canvas, {shape, upper, springs_.lower_radius.position, opacity,
                                                                  notch_height_, r.style, r.theme, quick_controls});
    PaintIslandFrame(*canvas, look, [&] {
      const ContentFade fade = ContentOpacities(now - r.last_state_change_ms, r.state, r.previous_state);
      if (fade.previous > 0.0f && r.previous_state != r.state) {
        activities_.DrawContent(
            *canvas, {r.previous_state, r, media_, countdown_, shape, upper, fade.previous, notch_height_, now});
      }
      if (fade.current > 0.0f) {
        activities_.DrawContent(*canvas,
                                {r.state, r, media_, countdown_, shape, upper, fade.current, notch_height_, now});
      }
    });

    const PixelRect region = RegionRect(springs_.width.position, springs_.height.position, r.style, r.theme,
                                        notch_height_, s, springs_.opacity.position, springs_.opacity.target);
    if (!region_valid_ || !(region == region_)) {
      platform_.SetRegion(region);
      region_ = region;
      region_valid_ = true;
    }
    platform_.EndFrame();
  }

  if (r.state == IslandState::Expanded && r.page == page::kQuickControls) {
    PanelHostInputs host;
    host.style = r.style;
    host.theme = r.theme;
    host.notch_height = notch_height_;
    host.shape = shape;
    host.upper_radius = springs_.upper_radius.position;
    host.animating = r.animating;
    host.reduce_motion = host_.reduce_motion;
    host.since_change_ms = now - std::max(r.last_state_change_ms, r.page_switch_time_ms);
    panel_.Place(HostPanel(host));
  }
}

bool Island::FullScreenTest() const {
  if (platform_.SystemReportsFullScreen()) return true;
  const PixelRect monitor = platform_.PrimaryMonitor().rect;
  if (monitor.empty()) return false;
  const FullScreenWalk walk(monitor);
  bool full_screen = false;
  platform_.WalkTopLevelWindows([&](const TopLevelWindowFacts& window) {
    const auto verdict = walk.Consider(window);
    full_screen = verdict == FullScreenWalk::Verdict::FullScreen;
    return verdict == FullScreenWalk::Verdict::Continue;
  });
  return full_screen;
}

void Island::CheckFullScreen(bool forced_hidden) {
  IslandRecord& r = record_;
  const bool hide = forced_hidden || FullScreenTest();
  if (hide == r.full_screen_hidden) return;
  r.full_screen_hidden = hide;
  DebugLog(L"ilha: %ls", hide ? L"tela cheia, some" : L"saiu da tela cheia");
  if (hide) {
    platform_.KillTimer(island_timer::kHoverOpen);
    platform_.KillTimer(island_timer::kCollapse);
    StopAnimation();
    platform_.HideWindow();
    r.shown = false;
    r.state = r.previous_state = IslandState::Hidden;
    r.pressed_state = IslandState::Hidden;
    region_valid_ = false;
    r.pointer_inside = false;
    r.expanded = false;
    PlaceSprings(TargetGeometry(IslandState::Hidden, Inputs()), 0.0f, true);
  }
  UpdateState();
}

}  // namespace notch
