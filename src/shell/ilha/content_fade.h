#pragma once
// How the content of the old and the new state blend after a state change,
// and where the hosted Quick Controls panel sits on page 5.
#include "host/settings.h"
#include "render/geometry.h"
#include "shell/ilha/island_ports.h"
#include "shell/ilha/island_types.h"

namespace notch {

struct ContentFade {
  float previous = 0.0f;  // opacity of the previous state's content (0: not drawn)
  float current = 1.0f;
};

// `since_change_ms`: time since the last state change.
ContentFade ContentOpacities(double since_change_ms, IslandState state, IslandState previous);

struct PanelHostInputs {
  IslandStyle style = IslandStyle::Notch;
  Theme theme = Theme::Sequoia;
  float notch_height = 24.0f;
  RectF shape;
  float upper_radius = 0.0f;
  bool animating = false;
  bool reduce_motion = false;
  double since_change_ms = 0.0;  // since the later of the last state change and page switch
};

PanelPlacement HostPanel(const PanelHostInputs& in);

}  // namespace notch
