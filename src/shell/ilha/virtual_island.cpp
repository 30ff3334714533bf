#include "shell/ilha/virtual_island.h"

#include <limits>

namespace notch {
namespace {

class CountedPath final : public CanvasPath {};

}  // namespace

std::unique_ptr<CanvasPath> CountingCanvas::CreatePath(std::span<const PathData>) {
  ++paths_created;
  return std::make_unique<CountedPath>();
}

void VirtualIslandPlatform::SetTimer(unsigned id, unsigned ms) {
  timers[id] = ms;
  due_[id] = {clock_value.NowMs() + ms, ms};
  if (on_timer_event) on_timer_event({clock_value.NowMs(), id, ms});
}

void VirtualIslandPlatform::KillTimer(unsigned id) {
  if (timers.erase(id) == 0) return;
  due_.erase(id);
  if (on_timer_event) on_timer_event({clock_value.NowMs(), id, 0});
}

void VirtualIslandPlatform::SetFrameClock(bool on) {
  if (on && !frame_clock_on) next_frame_ms_ = clock_value.NowMs() + kFrameIntervalMs;
  frame_clock_on = on;
}

void VirtualIslandPlatform::WalkTopLevelWindows(const std::function<bool(const TopLevelWindowFacts&)>& visit) const {
  for (const TopLevelWindowFacts& window : windows) {
    if (!visit(window)) return;
  }
}

Canvas* VirtualIslandPlatform::BeginFrame(int, int height_px, float) {
  last_surface_height = height_px;
  if (canvas != nullptr) ++frames_drawn;
  return canvas;
}

void VirtualIslandPlatform::AdvanceTo(double time_ms, Island& island) {
  for (;;) {
    // A posted message is delivered before time moves on.
    if (pending_media_rechecks > 0) {
      --pending_media_rechecks;
      island.OnMediaUpdate(true);
      if (after_event) after_event();
      continue;
    }
    double next = std::numeric_limits<double>::infinity();
    unsigned next_timer = 0;
    for (const auto& [id, due] : due_) {
      if (due.at_ms < next) {
        next = due.at_ms;
        next_timer = id;
      }
    }
    const bool frame_first = frame_clock_on && next_frame_ms_ <= next;
    if (frame_first) next = next_frame_ms_;
    if (next > time_ms) break;
    if (next > clock_value.NowMs()) clock_value.Set(next);
    if (frame_first) {
      next_frame_ms_ += kFrameIntervalMs;
      island.OnFrame();
    } else {
      due_[next_timer].at_ms += due_[next_timer].period_ms;  // timers repeat until killed
      island.OnTimer(next_timer);
    }
    if (after_event) after_event();
  }
  if (time_ms > clock_value.NowMs()) clock_value.Set(time_ms);
}

HitItem VirtualActivities::HitTest(PointF point) {
  for (const Area& area : areas) {
    if (area.rect.Contains(point)) return area.item;
  }
  return {};
}

}  // namespace notch
