#pragma once
// Colours of the island's shape per style and theme.
#include "host/settings.h"
#include "render/colour.h"

namespace notch {

// The shape's fill (the Leopard notch's gradient aside, whose flat stand-in
// is the hosted panel's background).
Colour ShapeFillColour(IslandStyle style, Theme theme);

}  // namespace notch
