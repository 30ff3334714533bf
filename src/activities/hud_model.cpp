#include "activities/hud_model.h"

#include "host/translate.h"

namespace notch {
namespace {

RectF Span(float left, float right, float centre_y, float half_height) {
  return {left, centre_y - half_height, right, centre_y + half_height};
}

HudFace VolumeFace(const IslandRecord& r, const HudEdges& e) {
  HudFace face;
  face.symbol = VolumeSymbol(r.hud_volume_level, r.hud_muted);
  face.icon = Span(e.left + 2.0f, e.left + 19.0f, e.centre_y, 5.5f);
  face.icon_colour = White();
  face.bar_fraction = r.hud_muted ? 0.0f : r.hud_volume_level;
  face.bar = Span(e.right - 84.0f, e.right, e.centre_y, 2.0f);
  return face;
}

HudFace CapsLockFace(const IslandRecord& r, const HudEdges& e) {
  HudFace face;
  face.glyph = kCapsLockGlyph;
  face.icon = Span(e.left, e.left + 22.0f, e.centre_y, 9.0f);
  face.icon_colour = r.caps_lock_on ? kHudGreen : kHudDimWhite;
  face.text = r.caps_lock_on ? L"Caps Lock" : Translate(L"Caps Lock desligado");
  face.text_box = Span(e.right - 130.0f, e.right, e.centre_y, 8.0f);
  face.text_colour = face.icon_colour;
  return face;
}

HudFace BatteryFace(const IslandRecord& r, const HudEdges& e) {
  const bool charging = r.on_ac_power;
  const Colour colour = charging ? kHudGreen : BatteryLow(r.battery_percent) ? kHudRed : White();
  HudFace face;
  face.symbol = charging ? L"bolt.fill" : L"battery.50percent";
  face.icon = Span(e.left + 2.0f, e.left + (charging ? 12.0f : 24.0f), e.centre_y, 6.5f);
  face.icon_colour = colour;
  face.text = std::to_wstring(r.battery_percent) + L"%";
  face.text_box = Span(e.right - 60.0f, e.right, e.centre_y, 8.0f);
  face.text_colour = colour;
  return face;
}

}  // namespace

HudEdges HudEdgesIn(IslandStyle style, const RectF& shape, float upper_radius) {
  const bool notch = style == IslandStyle::Notch;
  return {shape.left + (notch ? 6.0f + upper_radius : 4.0f), shape.right - (notch ? 10.0f + upper_radius : 11.0f),
          (shape.top + shape.bottom) / 2.0f};
}

const wchar_t* VolumeSymbol(float level, bool muted) {
  if (muted || level < 0.001f) return L"speaker.slash.fill";
  if (level < 0.34f) return L"speaker.wave.1.fill";
  if (level < 0.67f) return L"speaker.wave.2.fill";
  return L"speaker.wave.3.fill";
}

bool BatteryLow(int percent) { return percent < 21; }

HudFace HudFaceOf(const IslandRecord& record, const HudEdges& edges) {
  switch (record.hud_kind) {
    case HudKind::CapsLock:
      return CapsLockFace(record, edges);
    case HudKind::Battery:
      return BatteryFace(record, edges);
    case HudKind::Volume:
      break;
  }
  return VolumeFace(record, edges);
}

}  // namespace notch
