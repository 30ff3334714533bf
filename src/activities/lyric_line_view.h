#pragma once
// One lyric line as the media view draws it: sung words at full colour, the
// rest dimmer, the word being sung wiped across, and a new line sliding in.
#include <functional>
#include <string_view>

#include "lyrics/lyrics_sheet.h"
#include "render/canvas.h"
#include "render/text_format.h"

namespace notch {

// The lyric colour: the art's tint, lightened a fifth towards white when
// lyrics are loaded.
Colour LyricColour(Colour tint, bool lyrics_loaded);

// Whether the first strongly directional character reads right to left.
bool StartsRightToLeft(std::wstring_view text);

// How much of the line's width is sung at `position_ms` (0..width), given
// the text's measure; a line without word times is all sung.
float SungWidth(const lyrics::Line& line, double position_ms, const std::function<float(std::wstring_view)>& measure);

// Draws `line` in `box` with `format` in `colour` (whose alpha is scaled by
// `opacity`), the sung part at full colour.
void DrawLyricLine(Canvas& canvas, const lyrics::Line& line, const RectF& box, const TextFormat& format, Colour colour,
                   float opacity, double position_ms);

// The change from one line to the next: `progress` 0..1 of the 150 ms
// slide; the old line (all sung) moves up and fades, the new one comes up
// from below.
void DrawLyricTransition(Canvas& canvas, const lyrics::Line& old_line, const lyrics::Line& new_line, const RectF& box,
                         const TextFormat& format, Colour colour, float progress, double position_ms);

}  // namespace notch
