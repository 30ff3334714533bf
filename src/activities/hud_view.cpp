#include "activities/hud_view.h"

#include "activities/bar_views.h"

namespace notch {

void DrawHudFace(Canvas& canvas, const HudFace& face, Theme theme, const IslandTextFormats& formats, Symbols& symbols) {
  const TextFormat& icon_format = formats[TextRole::Icon12];
  if (!face.symbol.empty()) {
    symbols.DrawSymbol(canvas, face.symbol, face.icon, face.icon_colour, icon_format);
  } else if (face.glyph != 0) {
    canvas.DrawText(std::wstring_view(&face.glyph, 1), icon_format, face.icon, Brush::Solid(face.icon_colour));
  }
  if (face.bar_fraction) DrawProgressBar(canvas, face.bar, *face.bar_fraction, theme);
  if (!face.text.empty()) {
    canvas.DrawText(face.text, formats[TextRole::BoldTrailing], face.text_box, Brush::Solid(face.text_colour));
  }
}

void DrawHud(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, Symbols& symbols) {
  const IslandRecord& r = frame.record;
  DrawHudFace(canvas, HudFaceOf(r, HudEdgesIn(r.style, frame.shape, frame.upper_radius)), r.theme, formats, symbols);
}

}  // namespace notch
