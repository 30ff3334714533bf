#pragma once
// The island's outline: a rounded pill, or the notch hanging from the screen
// edge with an outward flare at each top corner.
#include "host/settings.h"
#include "render/path_data.h"

namespace notch {

PathData PillOutline(const RectF& shape, float lower_radius);
PathData NotchOutline(const RectF& shape, float upper_radius, float lower_radius);
PathData ShapeOutline(IslandStyle style, const RectF& shape, float upper_radius, float lower_radius);

// The pill's corner radius: the lower radius, at most half the height and
// half the width.
float PillCornerRadius(const RectF& shape, float lower_radius);

}  // namespace notch
