#pragma once
// The progress bar look (also the volume HUD's level bar) and the media
// view's four level bars.
#include "activities/level_bars.h"
#include "host/settings.h"
#include "render/canvas.h"

namespace notch {

// A fully rounded track with its filled part from the left.
void DrawProgressBar(Canvas& canvas, const RectF& bar, float fraction, Theme theme);

// Four bars of the given levels, 3 wide and 5.2 apart, ending at the box's
// right edge, each centred vertically.
void DrawLevelBars(Canvas& canvas, const RectF& box, const LevelBars& bars, Colour colour);

}  // namespace notch
