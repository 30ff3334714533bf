#pragma once
// The panel's small decisions: where Back and Esc lead, which page a
// "notch:" link opens, the page fade, the alpha byte, the status hold and
// the clipping of the window while the island grows around it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "panel/panel_page.h"

namespace notch::quick {

Page BackTarget(Page page);

enum class EscapeAction { CancelPrompt, ClearQuery, CollapseIsland, GoHome, GoSearch, ReturnToMedia };

struct EscapeInputs {
  Page page = Page::Home;
  bool prompt_shown = false;
  bool query_empty = true;
  bool opened_straight_into_search = false;
};

EscapeAction Escape(const EscapeInputs& in);

// A "notch:" link: a panel page or an island page (ExpandedPage value).
struct NotchLink {
  std::optional<Page> page;
  std::optional<int> island_page;
};

// Nothing for a target that does not start with "notch:"; an empty link for
// an unknown "notch:" target.
std::optional<NotchLink> NotchLinkTarget(std::wstring_view target);

inline constexpr double kFadeMs = 165.0;
inline constexpr double kFadeStartFactor = 0.08;
inline constexpr std::uint64_t kStatusHoldMs = 3500;

// The opacity factor `elapsed_ms` into a page fade.
double FadeFactor(double elapsed_ms);
// The layered window's alpha for a fade factor and the island's opacity.
std::uint8_t AlphaByte(double factor, double island_opacity);

// Whether a new fade frame should be applied: it moved by more than 0.002
// or the fade is over.
bool FadeStepApplies(double previous_factor, double factor, double elapsed_ms);

// The window region in pixels while the island is smaller than the panel.
struct PanelClip {
  int left = 0, top = 0, right = 0, bottom = 0;
  int corner_diameter = 0;
  friend bool operator==(const PanelClip&, const PanelClip&) = default;
};

// `panel` in DIPs, island size and corner radius in DIPs, `scale` = DPI / 96.
// Nothing once the island is as large as the panel (no region).
std::optional<PanelClip> ClipWhileGrowing(PanelSize panel, double island_width, double island_height,
                                          double corner_radius, double scale);

// `value` DIPs at `dpi`, rounded as MulDiv rounds.
int ScaleDip(int value, unsigned dpi);

// Whether the panel asks the island to stay expanded.
struct StayInputs {
  bool open = false;
  bool visible = false;
  bool task_running = false;
  bool radio_request_pending = false;
  bool prompt_pending = false;
  bool modal_action = false;
  Page page = Page::Home;
  bool foreground_owned_by_panel = false;
  bool cursor_inside = false;
};

bool WantsToStay(const StayInputs& in);
// The part that holds the island regardless of focus and pointer.
bool HoldsIsland(const StayInputs& in);

}  // namespace notch::quick
