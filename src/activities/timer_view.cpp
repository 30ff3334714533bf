#include "activities/timer_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "activities/countdown.h"
#include "activities/media_layout.h"
#include "activities/notice_card.h"
#include "render/button_highlight.h"

namespace notch {
namespace {

constexpr wchar_t kStopGlyph = 0xE711;
constexpr float kRingRadius = 28.0f;
constexpr float kRingWidth = 5.0f;
constexpr float kRoundButton = 28.0f;

ButtonState StateOf(const IslandRecord& r, HitItem item) {
  if (r.pressed_item == item) return ButtonState::Pressed;
  if (r.hovered_item == item) return ButtonState::Hovered;
  return ButtonState::Rest;
}

RectF Centred(PointF centre, float width, float height) {
  return {centre.x - width / 2.0f, centre.y - height / 2.0f, centre.x + width / 2.0f, centre.y + height / 2.0f};
}

PointF OnCircle(PointF centre, float radius, double turn) {
  const double angle = turn * 2.0 * std::numbers::pi;
  return {centre.x + radius * static_cast<float>(std::sin(angle)),
          centre.y - radius * static_cast<float>(std::cos(angle))};
}

}  // namespace

PathData ClockwiseArc(PointF centre, float radius, float fraction) {
  fraction = std::clamp(fraction, 0.0f, 1.0f);
  PathData arc{OnCircle(centre, radius, 0.0), {}, false};
  // Quarter turns at most, so every piece stays well under half a circle.
  const int pieces = std::max(1, static_cast<int>(std::ceil(fraction * 4.0f)));
  for (int i = 1; i <= pieces; ++i) {
    arc.ArcTo(radius, OnCircle(centre, radius, static_cast<double>(fraction) * i / pieces));
  }
  return arc;
}

void TimerView::DrawPill(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats) {
  const IslandRecord& r = frame.record;
  const MediaPillLayout pill = LayOutMediaPill(r.style, r.theme, frame.shape, frame.upper_radius, true);
  const float cy = pill.art.centre().y;
  const RectF symbol{pill.art.left, cy - 7.5f, pill.art.left + 15.0f, cy + 7.5f};
  symbols_.DrawSymbol(canvas, L"timer", symbol, kTimerOrange, formats[TextRole::Icon12]);
  canvas.DrawText(FormatCountdown(frame.countdown.Remaining(frame.now_ms)), formats[TextRole::BoldTrailing],
                  pill.countdown, Brush::Solid(kTimerOrange));
}

void TimerView::DrawPage(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats,
                         HitRegions& hits) {
  const IslandRecord& r = frame.record;
  const RectF box = MediaCardBox(r.style, r.theme, frame.shape, frame.notch_height);
  if (frame.countdown.active()) {
    DrawCountdown(canvas, frame, box, formats, hits);
  } else {
    DrawPresets(canvas, frame, box, formats, hits);
  }
}

void TimerView::DrawPresets(Canvas& canvas, const IslandContentFrame& frame, const RectF& box,
                            const IslandTextFormats& formats, HitRegions& hits) {
  const float width = (box.right - box.left - 28.0f - 16.0f) / 3.0f;
  for (std::size_t i = 0; i < kTimerPresetMinutes.size(); ++i) {
    const int minutes = kTimerPresetMinutes[i];
    const float x = box.left + 14.0f + static_cast<float>(i % 3) * (width + 8.0f);
    const float y = box.top + (i < 3 ? 6.0f : 46.0f);
    const RectF button{x, y, x + width, y + 32.0f};
    const HitItem item{timer_hit::kPreset, minutes};
    DrawButtonHighlight(canvas, button, 9.0f, frame.record.theme, StateOf(frame.record, item));
    canvas.DrawText(std::to_wstring(minutes) + L" min", formats[TextRole::Button], button, Brush::Solid(White()));
    hits.Add(item.kind, button, item.index);
  }
}

void TimerView::DrawCountdown(Canvas& canvas, const IslandContentFrame& frame, const RectF& box,
                              const IslandTextFormats& formats, HitRegions& hits) {
  const IslandRecord& r = frame.record;
  const Countdown& countdown = frame.countdown;
  const double remaining = countdown.Remaining(frame.now_ms);
  const bool paused = countdown.paused();

  // The ring: the whole circle faint, the part still to run over it.
  const PointF centre{box.left + 44.0f, box.top + 38.0f};
  canvas.StrokeRoundedRect(Centred(centre, 2.0f * kRingRadius, 2.0f * kRingRadius), kRingRadius,
                           Brush::Solid(WithAlpha(kTimerOrange, 0.22f)), kRingWidth);
  const double fraction = countdown.total_ms() > 0.0 ? remaining / countdown.total_ms() : 0.0;
  if (fraction > 0.001) {
    const auto arc =
        canvas.CreatePath(ClockwiseArc(centre, kRingRadius, static_cast<float>(std::min(fraction, 0.9999))));
    if (arc) canvas.StrokePath(*arc, Brush::Solid(kTimerOrange), kRingWidth, LineStyle::Round);
  }
  symbols_.DrawSymbol(canvas, L"timer", Centred(centre, 18.0f, 18.0f), kTimerOrange, formats[TextRole::Icon14]);

  canvas.DrawText(FormatCountdown(remaining), formats[TextRole::Big],
                  {box.left + 88.0f, box.top + 4.0f, box.right - 14.0f, box.top + 42.0f},
                  Brush::Solid(White(paused ? 0.55f : 1.0f)));

  // The control row.
  const float row = box.top + 62.0f;
  const float x = box.left + 88.0f;
  const RectF pause_button{x, row - kRoundButton / 2.0f, x + kRoundButton, row + kRoundButton / 2.0f};
  const HitItem pause_item{timer_hit::kPauseResume, 0};
  DrawButtonHighlight(canvas, pause_button, kRoundButton / 2.0f, r.theme, StateOf(r, pause_item));
  symbols_.DrawSymbol(canvas, paused ? L"play.fill" : L"pause.fill", Centred(pause_button.centre(), 13.0f, 13.0f),
                      kTimerOrange, formats[TextRole::Icon12]);
  hits.Add(pause_item.kind, pause_button);

  const RectF stop_button{x + 36.0f, pause_button.top, x + 36.0f + kRoundButton, pause_button.bottom};
  const HitItem stop_item{timer_hit::kStop, 0};
  DrawButtonHighlight(canvas, stop_button, kRoundButton / 2.0f, r.theme, StateOf(r, stop_item));
  canvas.DrawText(std::wstring(1, kStopGlyph), formats[TextRole::Icon12], stop_button, Brush::Solid(White()));
  hits.Add(stop_item.kind, stop_button);

  const RectF add_button{x + 72.0f, row - 13.0f, x + 130.0f, row + 13.0f};
  const HitItem add_item{timer_hit::kAddMinute, 0};
  DrawButtonHighlight(canvas, add_button, 13.0f, r.theme, StateOf(r, add_item));
  canvas.DrawText(L"+1 min", formats[TextRole::Button], add_button, Brush::Solid(White()));
  hits.Add(add_item.kind, add_button);
}

bool TimerView::Activate(HitItem item) {
  if (item.kind < timer_hit::kPreset || item.kind > timer_hit::kAddMinute) return false;
  if (!island_) return true;
  switch (item.kind) {
    case timer_hit::kPreset:
      if (item.index > 0) island_->StartCountdown(item.index);
      break;
    case timer_hit::kPauseResume:
      island_->ToggleCountdownPause();
      break;
    case timer_hit::kStop:
      island_->StopCountdown();
      break;
    case timer_hit::kAddMinute:
      island_->AddCountdownMinute();
      break;
    default:
      break;
  }
  island_->Redraw();
  return true;
}

}  // namespace notch
