#pragma once
// Draws the island's HUD: the face of the record's HUD kind (hud_model)
// inside the shape, the volume's level bar in the progress bar's look.
#include "activities/hud_model.h"
#include "render/canvas.h"
#include "render/symbols.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

void DrawHudFace(Canvas& canvas, const HudFace& face, Theme theme, const IslandTextFormats& formats, Symbols& symbols);

// The HUD of the frame's record, between the edges its style keeps clear.
void DrawHud(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, Symbols& symbols);

}  // namespace notch
