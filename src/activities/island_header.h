#pragma once
// The expanded card's header row: the buttons the button layout puts in the
// island header, then the Quick Controls tab and the settings glyph at the
// right end. Clicks on them are hit kinds 1 (a button, index = its catalogue
// number), 2 (the tab) and 3 (the settings glyph).
#include <vector>

#include "activities/hit_regions.h"
#include "host/settings.h"
#include "render/canvas.h"
#include "render/path_icon.h"
#include "render/text_formats.h"
#include "shell/ilha/island_types.h"

namespace notch {

namespace hit {
inline constexpr int kHeaderButton = 1;
inline constexpr int kHeaderTab = 2;
inline constexpr int kHeaderSettings = 3;
}  // namespace hit

struct IslandHeaderItem {
  HitItem item;
  RectF rect;
};

// The row's items inside `shape` (window DIPs), in drawing order: the band
// above the card's content box, that is the notch band (height
// `notch_height`) in the notch style and the top 28 DIPs of the pill.
std::vector<IslandHeaderItem> LayOutIslandHeader(IslandStyle style, Theme theme, const RectF& shape, float notch_height,
                                                 const std::vector<int>& buttons);

struct IslandHeaderLook {
  HitItem hovered;
  HitItem pressed;
  bool playing = false;
  bool lyrics_on = true;
  float opacity = 1.0f;
};

// Draws the row and records its hit regions.
void DrawIslandHeader(Canvas& canvas, const std::vector<IslandHeaderItem>& items, const IslandHeaderLook& look,
                      const IslandTextFormats& formats, PathIcons& icons, HitRegions& hits);

}  // namespace notch
