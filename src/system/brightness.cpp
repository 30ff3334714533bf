#include "system/brightness.h"

#include <algorithm>

#include "host/translate.h"

namespace notch::brightness {

std::int32_t ClampPercent(std::int32_t value) { return std::clamp<std::int32_t>(value, 0, 100); }

std::uint32_t ScaleToMonitor(std::uint32_t min, std::uint32_t max, std::int32_t percent) {
  const std::uint64_t span = static_cast<std::uint64_t>(max) - min;
  return min + static_cast<std::uint32_t>((span * static_cast<std::uint64_t>(ClampPercent(percent)) + 50) / 100);
}

std::int32_t ScaleToPercent(std::uint32_t min, std::uint32_t current, std::uint32_t max) {
  const std::uint64_t span = static_cast<std::uint64_t>(max) - min;
  // A monitor may report a current value outside its own range.
  const std::uint64_t offset = static_cast<std::uint64_t>(std::clamp(current, min, max)) - min;
  return ClampPercent(static_cast<std::int32_t>((offset * 100 + span / 2) / span));
}

Result DdcBrightness(DdcMonitors& monitors, const Request& request) {
  Result result;
  const std::optional<std::uint32_t> count = monitors.Open();
  if (!count) return result;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<DdcMonitors::Range> range = monitors.Get(i);
    if (!range || range->min >= range->max) continue;
    std::uint32_t current = range->current;
    if (request.set) {
      const std::uint32_t target = ScaleToMonitor(range->min, range->max, request.value);
      if (!monitors.Set(i, target)) continue;
      current = target;
    }
    result.value = ScaleToPercent(range->min, current, range->max);
    result.supported = true;
  }
  monitors.Close();
  return result;
}

Result WmiBrightness(BrightnessWmi& wmi, const Request& request) {
  if (!wmi.Connect()) return {};
  if (request.set && !wmi.Set(static_cast<std::uint8_t>(ClampPercent(request.value)))) return {};
  const std::optional<std::uint8_t> current = wmi.Read();
  if (!current) return {};
  return Result{*current, true};
}

Result DisplayBrightness(BrightnessWmi& wmi, DdcMonitors& monitors, const Request& request) {
  const Result wmi_result = WmiBrightness(wmi, request);
  if (wmi_result.supported) return wmi_result;
  return DdcBrightness(monitors, request);
}

std::wstring PercentLabel(std::int32_t value) { return std::to_wstring(value) + L"%"; }

std::optional<std::int32_t> Coalescer::OnSlider(std::int32_t value, bool final, std::uint64_t now_ms, bool can_start) {
  pending_value_ = ClampPercent(value);
  pending_ = true;
  pending_final_ = pending_final_ || final;
  return Flush(false, now_ms, can_start);
}

std::optional<std::int32_t> Coalescer::Flush(bool force, std::uint64_t now_ms, bool can_start) {
  if (!pending_ || !can_start) return std::nullopt;
  if (!force && !pending_final_ && last_flush_ms_ && now_ms - *last_flush_ms_ <= kMinGapMs) return std::nullopt;
  pending_ = false;
  pending_final_ = false;
  last_flush_ms_ = now_ms;
  return pending_value_;
}

Coalescer::WriteView Coalescer::OnWritten(const Result& result, bool captured, bool slot_idle) {
  WriteView view;
  if (result.supported) {
    last_ = result;
    view.status = Translate(kStatusDrag);
  } else {
    view.status = Translate(kStatusWriteFailed);
  }
  view.move_thumb = !pending_ && !captured;
  view.flush_now = pending_ && slot_idle;
  return view;
}

ReadView Coalescer::OnRead(const Result& result, bool captured) {
  last_ = result;
  ReadView view;
  view.slider_enabled = result.supported;
  if (result.supported) {
    if (!pending_ && !captured) {
      view.move_thumb = true;
      view.label = PercentLabel(result.value);
    }
    view.subtitle = Translate(kSubtitleSupported);
    view.status = Translate(kStatusDrag);
  } else {
    view.label = kNoValue;
    view.subtitle = Translate(kSubtitleUnavailable);
    view.status = Translate(kStatusDdcHint);
  }
  return view;
}

}  // namespace notch::brightness
