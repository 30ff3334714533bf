#pragma once
// The island's outline: a rounded pill, or the notch hanging from the screen
// edge with an outward flare at each top corner.
#include "host/settings.h"
#include "render/path_data.h"

namespace notch {

PathData PillOutline(const RectF& shape, float lower_radius);
PathData NotchOutline(const RectF& shape, float upper_radius, float lower_radius);
PathData ShapeOutline(IslandStyle style, const RectF& shape, float upper_radius, float lower_radius);

// The Leopard notch's bevel line: the notch outline without its top edge,
// which lies on the screen edge.
PathData InnerHighlight(const RectF& shape, float upper_radius, float lower_radius);

// The pill's corner radius: the lower radius, at most half the height and
// half the width.
float PillCornerRadius(const RectF& shape, float lower_radius);
// The notch's flare at each top corner: the upper radius, at most a quarter
// of the width.
float NotchFlare(const RectF& shape, float upper_radius);

// The smallest corner radius of the outline.
float SmallestCornerRadius(IslandStyle style, const RectF& shape, float upper_radius, float lower_radius);

// The part of the shape that content may use, left and right: the notch
// without its flares, the whole pill.
RectF InnerArea(IslandStyle style, const RectF& shape, float upper_radius);

}  // namespace notch
