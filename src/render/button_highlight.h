#pragma once
// The highlight behind the island pages' buttons, rows and tiles.
#include "host/settings.h"
#include "render/canvas.h"

namespace notch {

enum class ButtonState { Rest, Hovered, Pressed };

void DrawButtonHighlight(Canvas& canvas, const RectF& rect, float radius, Theme theme, ButtonState state);

}  // namespace notch
