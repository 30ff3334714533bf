#pragma once
// The 24-unit line icons of the panel's owner-drawn buttons, and the same
// paths flattened into polylines for painters that stroke straight lines
// (the panel's GDI painter).
#include <string_view>
#include <vector>

#include "panel/panel_page.h"
#include "render/geometry.h"

namespace notch::quick {

// What a control's icon depends on besides its id.
struct IconState {
  Page page = Page::Home;
  bool playing = false;
  bool lyrics_on = true;
  bool muted = false;
  bool radio_off = false;  // the WiFi or Bluetooth page's radio is known to be off
};

// The icon path of control `id` (a Customize chip, 300 + button, takes its
// button's tile icon); null for controls without an icon.
const char* ControlIconPath(int id, const IconState& state);

// The chevron at the end of a list row.
inline constexpr char kListRowChevronPath[] = "M 9 6 L 15 12 L 9 18";

using Polyline = std::vector<PointF>;
// `path` scaled and centred in `rect` as the line icons are (see
// PathIconPlacement), curves flattened into `curve_steps` straight pieces
// each and closed figures ending at their start; nothing for a malformed
// path or a rectangle too small to hold it.
std::vector<Polyline> IconPolylines(std::string_view path, const RectF& rect, float max_size, int curve_steps = 8);

}  // namespace notch::quick
