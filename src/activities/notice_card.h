#pragma once
// A short notice shown in the island's Notification state: a round badge with
// a glyph (or a drawing of its own), a title and an optional subtitle.
#include <functional>
#include <string>

#include "render/canvas.h"
#include "render/colour.h"

namespace notch {

struct NoticeCard {
  using BadgeDrawer = std::function<void(Canvas& canvas, const RectF& badge_box)>;

  std::wstring title;
  std::wstring subtitle;
  char16_t glyph = 0;  // icon-font code point; 0 for none
  Colour colour{1.0f, 1.0f, 1.0f, 1.0f};
  BadgeDrawer badge_drawer;            // draws the badge instead of circle and glyph
  std::function<void()> click_action;  // run when the card is clicked
};

inline constexpr Colour kTimerOrange{1.0f, 0.62f, 0.04f, 1.0f};
inline constexpr Colour kDownloadBlue{0.35f, 0.65f, 1.0f, 1.0f};
inline constexpr char16_t kTimerGlyph = 0xE916;
inline constexpr char16_t kDownloadGlyph = 0xE896;

}  // namespace notch
