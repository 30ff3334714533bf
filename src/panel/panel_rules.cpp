#include "panel/panel_rules.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/easing.h"
#include "shell/ilha/island_types.h"

namespace notch::quick {

Page BackTarget(Page page) { return page == Page::SearchSettings ? Page::Search : Page::Home; }

EscapeAction Escape(const EscapeInputs& in) {
  if (in.prompt_shown) return EscapeAction::CancelPrompt;
  switch (in.page) {
    case Page::Search:
      if (!in.query_empty) return EscapeAction::ClearQuery;
      return in.opened_straight_into_search ? EscapeAction::CollapseIsland : EscapeAction::GoHome;
    case Page::SearchSettings:
      return EscapeAction::GoSearch;
    case Page::Home:
      return EscapeAction::ReturnToMedia;
    default:
      return EscapeAction::GoHome;
  }
}

std::optional<NotchLink> NotchLinkTarget(std::wstring_view target) {
  constexpr std::wstring_view kScheme = L"notch:";
  if (target.substr(0, kScheme.size()) != kScheme) return std::nullopt;
  const std::wstring_view name = target.substr(kScheme.size());
  NotchLink link;
  if (name == L"wifi")
    link.page = Page::WiFi;
  else if (name == L"bluetooth")
    link.page = Page::Bluetooth;
  else if (name == L"sound")
    link.page = Page::Sound;
  else if (name == L"display")
    link.page = Page::Display;
  else if (name == L"searchsettings")
    link.page = Page::SearchSettings;
  else if (name == L"notch")
    link.page = Page::NotchSettings;
  else if (name == L"timer")
    link.island_page = page::kTimer;
  else if (name == L"shelf")
    link.island_page = page::kShelf;
  return link;
}

double FadeFactor(double elapsed_ms) {
  const double t = std::clamp(elapsed_ms / kFadeMs, 0.0, 1.0);
  return kFadeStartFactor + (1.0 - kFadeStartFactor) * Ease(t, kEaseOutQuint);
}

std::uint8_t AlphaByte(double factor, double island_opacity) {
  const double alpha = std::clamp(factor * island_opacity, 0.0, 1.0);
  return static_cast<std::uint8_t>(alpha * 255.0);
}

bool FadeStepApplies(double previous_factor, double factor, double elapsed_ms) {
  return std::fabs(factor - previous_factor) > 0.002 || elapsed_ms >= kFadeMs;
}

int ScaleDip(int value, unsigned dpi) {
  // MulDiv rounds halves away from zero.
  const long long product = static_cast<long long>(value) * static_cast<long long>(dpi);
  const long long half = 48;
  return static_cast<int>(product >= 0 ? (product + half) / 96 : -((-product + half) / 96));
}

std::optional<PanelClip> ClipWhileGrowing(PanelSize panel, double island_width, double island_height,
                                          double corner_radius, double scale) {
  island_width = std::max(0.0, island_width);
  island_height = std::max(0.0, island_height);
  if (island_width >= panel.w && island_height >= panel.h) return std::nullopt;
  const int full_width = static_cast<int>(panel.w * scale);
  const int full_height = static_cast<int>(panel.h * scale);
  PanelClip clip;
  clip.left = std::min(static_cast<int>(std::max(0.0, (panel.w - island_width) / 2.0) * scale), full_width / 2);
  clip.top = static_cast<int>(-24.0 * scale);
  clip.right = std::max(clip.left, full_width - clip.left) + 1;
  clip.bottom = std::clamp(static_cast<int>(island_height * scale), 0, full_height) + 1;
  const double diameter = 2.0 * corner_radius * scale;
  clip.corner_diameter = diameter < 1.0 ? 0 : static_cast<int>(diameter);
  return clip;
}

bool HoldsIsland(const StayInputs& in) {
  if (!in.open) return false;
  return in.task_running || in.radio_request_pending || in.prompt_pending || in.modal_action ||
         in.page == Page::CustomizeButtons;
}

bool WantsToStay(const StayInputs& in) {
  if (!in.open) return false;
  const bool busy = in.task_running || in.radio_request_pending;
  if (!in.visible && !busy) return false;
  if (HoldsIsland(in)) return true;
  return in.foreground_owned_by_panel || (in.visible && in.cursor_inside);
}

}  // namespace notch::quick
