#include "shell/ilha/content_fade.h"

#include <algorithm>

#include "common/easing.h"
#include "render/island_look.h"

namespace notch {
namespace {

bool IsCardState(IslandState s) { return s == IslandState::Notification || s == IslandState::Expanded; }

}  // namespace

ContentFade ContentOpacities(double t, IslandState state, IslandState previous) {
  ContentFade fade;
  if (t < 80.0) fade.previous = static_cast<float>(1.0 - Ease(t / 80.0, kEaseOutQuint));
  const double delay = state == IslandState::Expanded ? 0.0 : IsCardState(previous) ? 90.0 : 30.0;
  fade.current = static_cast<float>(Ease(std::clamp((t - delay) / 200.0, 0.0, 1.0), kEaseOutQuint));
  return fade;
}

PanelPlacement HostPanel(const PanelHostInputs& in) {
  const bool notch = in.style == IslandStyle::Notch;
  const float top_inset = notch ? in.notch_height : 28.0f;
  const float offset = notch ? 0.0f : std::max(0.0f, (in.notch_height - 22.0f) / 2.0f);
  const float side_inset = !notch || in.theme == Theme::Leopard ? 0.0f : 2.0f * in.upper_radius;
  const float height = in.shape.bottom - (in.shape.top + top_inset + 5.0f);
  const float width = in.shape.width() - side_inset;

  PanelPlacement placement;
  if (height < 28.0f || width < 80.0f) return placement;
  placement.visible = true;
  placement.left = in.shape.left + side_inset / 2.0f;
  placement.top = offset + top_inset + 5.0f;
  placement.width = width;
  placement.height = height;
  placement.background = ShapeFillColour(in.style, in.theme);
  placement.background.a = 1.0f;  // the shape is opaque while it hosts the panel
  placement.theme = static_cast<unsigned>(in.theme);
  placement.opacity =
      in.animating && !in.reduce_motion
          ? static_cast<float>(Ease(std::clamp((in.since_change_ms - 20.0) / 165.0, 0.0, 1.0), kEaseOutQuint))
          : 1.0f;
  return placement;
}

}  // namespace notch
