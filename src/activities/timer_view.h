#pragma once
// The timer activity: the countdown in the pill, the timer page of the
// expanded island (the preset grid, or the ring with the remaining time and
// its controls), and what a click on the page does.
#include <array>

#include "activities/hit_regions.h"
#include "render/canvas.h"
#include "render/path_data.h"
#include "render/symbols.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

namespace timer_hit {
inline constexpr int kPreset = 14;  // index: the preset's minutes
inline constexpr int kPauseResume = 15;
inline constexpr int kStop = 16;
inline constexpr int kAddMinute = 17;
}  // namespace timer_hit

inline constexpr std::array<int, 6> kTimerPresetMinutes = {1, 3, 5, 10, 15, 30};

// The arc of a ring from 12 o'clock clockwise through `fraction` of the
// circle (0 ... 1), as one open figure of arcs under 180 degrees each.
PathData ClockwiseArc(PointF centre, float radius, float fraction);

class TimerView {
 public:
  explicit TimerView(Symbols& symbols) : symbols_(symbols) {}

  void Attach(IslandCommands& island) { island_ = &island; }

  // The pill while a countdown runs: the timer symbol and the remaining time.
  void DrawPill(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats);
  void DrawPage(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, HitRegions& hits);

  // Carries out a click on one of the page's elements; false for an element
  // that is not the timer's.
  bool Activate(HitItem item);

 private:
  void DrawPresets(Canvas& canvas, const IslandContentFrame& frame, const RectF& box, const IslandTextFormats& formats,
                   HitRegions& hits);
  void DrawCountdown(Canvas& canvas, const IslandContentFrame& frame, const RectF& box,
                     const IslandTextFormats& formats, HitRegions& hits);

  Symbols& symbols_;
  IslandCommands* island_ = nullptr;
};

}  // namespace notch
