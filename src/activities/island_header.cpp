#include "activities/island_header.h"

#include <algorithm>

#include "activities/media_layout.h"
#include "panel/button_layout.h"

namespace notch {
namespace {

constexpr float kItemGap = 4.0f;
constexpr float kMaxItemSize = 24.0f;
constexpr float kRowInset = 14.0f;

}  // namespace

std::vector<IslandHeaderItem> LayOutIslandHeader(IslandStyle style, Theme theme, const RectF& shape, float notch_height,
                                                 const std::vector<int>& buttons) {
  const RectF box = MediaCardBox(style, theme, shape, notch_height);
  const float band = box.top - shape.top;
  const float size = std::min(kMaxItemSize, band - 4.0f);
  std::vector<IslandHeaderItem> items;
  if (!(size > 0.0f)) return items;
  const float top = shape.top + (band - size) / 2.0f;
  float x = box.left + kRowInset;
  for (int button : buttons) {
    if (button < 0 || button >= quick::kButtonCount) continue;
    items.push_back({{hit::kHeaderButton, button}, {x, top, x + size, top + size}});
    x += size + kItemGap;
  }
  const float settings_left = box.right - kRowInset - size;
  const float tab_left = settings_left - kItemGap - size;
  items.push_back({{hit::kHeaderTab, 0}, {tab_left, top, tab_left + size, top + size}});
  items.push_back({{hit::kHeaderSettings, 0}, {settings_left, top, settings_left + size, top + size}});
  return items;
}

void DrawIslandHeader(Canvas& canvas, const std::vector<IslandHeaderItem>& items, const IslandHeaderLook& look,
                      const IslandTextFormats& formats, PathIcons& icons, HitRegions& hits) {
  for (const IslandHeaderItem& entry : items) {
    const bool pressed = entry.item == look.pressed;
    if (pressed || entry.item == look.hovered) {
      canvas.FillRoundedRect(entry.rect, 6.0f, Brush::Solid(White((pressed ? 0.22f : 0.14f) * look.opacity)));
    }
    const Colour colour = White(0.85f * look.opacity);
    switch (entry.item.kind) {
      case hit::kHeaderButton:
        icons.DrawPathIcon(canvas, colour, quick::ButtonIconPath(entry.item.index, look.playing, look.lyrics_on),
                           entry.rect, 16.0f, 2.0f);
        break;
      case hit::kHeaderTab:
        canvas.DrawText(L"\uE9E9", formats[TextRole::Icon12], entry.rect, Brush::Solid(colour));
        break;
      default:
        canvas.DrawText(L"\uE713", formats[TextRole::Icon12], entry.rect, Brush::Solid(colour));
        break;
    }
    hits.Add(entry.item.kind, entry.rect, entry.item.index);
  }
}

}  // namespace notch
