#pragma once
// Small views the pages hand to the panel window beyond plain texts: the
// list's rows, the inline prompt and a large tile's caption.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "panel/panel_page.h"

namespace notch::quick {

// One row of the page's list box: its item string and what the owner-drawn
// row shows (a title over a detail line, a right-hand text, an icon glyph).
struct ListRow {
  std::wstring item_text;
  std::wstring title;
  std::wstring detail;
  std::wstring right;
  wchar_t glyph = 0;  // icon-font code point; 0 draws none
  friend bool operator==(const ListRow&, const ListRow&) = default;
};

// The inline prompt over a page: its subtitle, the controls it adds (an
// edit, toggles, its two buttons) and the control that takes the focus.
// While it shows, the list, Refresh and the page's other buttons are hidden.
struct InlinePrompt {
  std::wstring subtitle;
  std::vector<PanelControl> controls;
  int focus = 0;
};

// A large tile's two lines, drawn by the tile's owner-draw handler.
struct TileCaption {
  std::wstring title;
  std::wstring subtitle;
  bool crossed = false;  // the icon's crossed variant
  friend bool operator==(const TileCaption&, const TileCaption&) = default;
};

}  // namespace notch::quick
