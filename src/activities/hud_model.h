#pragma once
// What the volume, Caps Lock and battery HUDs show, as plain data: the icon
// (a symbol by name, or the Caps Lock glyph of the icon font) with its box
// and colour, the volume's level bar, and the text on the right with its box
// and colour. The island's record holds the values; HudView draws the face.
#include <optional>
#include <string>

#include "render/colour.h"
#include "render/geometry.h"
#include "shell/ilha/island_record.h"

namespace notch {

inline constexpr Colour kHudGreen{0.2f, 0.84f, 0.29f, 1.0f};
inline constexpr Colour kHudRed{1.0f, 0.27f, 0.23f, 1.0f};
inline constexpr Colour kHudDimWhite = White(0.55f);
inline constexpr wchar_t kCapsLockGlyph = 0xE765;

// The HUD's inner edges: left (L), right (R) and the vertical centre.
struct HudEdges {
  float left = 0.0f, right = 0.0f, centre_y = 0.0f;
};

// The pill keeps 4 on the left and 11 on the right clear; the notch keeps its
// flares (the upper radius) plus 6 and 10.
HudEdges HudEdgesIn(IslandStyle style, const RectF& shape, float upper_radius);

struct HudFace {
  std::wstring symbol;  // a symbol name; empty when the glyph is drawn instead
  wchar_t glyph = 0;    // an icon-font glyph drawn as text in the icon format
  RectF icon;
  Colour icon_colour;
  std::optional<float> bar_fraction;  // the level bar, for the volume HUD only
  RectF bar;
  std::wstring text;
  RectF text_box;
  Colour text_colour;
};

// The volume symbol for a level: muted and silent levels show the slashed
// speaker, then one, two or three waves.
const wchar_t* VolumeSymbol(float level, bool muted);

// Battery texts and colours run in red below 21 %.
bool BatteryLow(int percent);

// The face of the record's HUD kind, between `edges`. Texts are translated.
HudFace HudFaceOf(const IslandRecord& record, const HudEdges& edges);

}  // namespace notch
