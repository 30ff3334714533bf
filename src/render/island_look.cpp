#include "render/island_look.h"

namespace notch {

Colour ShapeFillColour(IslandStyle style, Theme theme) {
  if (style == IslandStyle::Notch) {
    return theme == Theme::Leopard ? ColourFromRgb(0x1E1E20) : Colour{0.0f, 0.0f, 0.0f, 1.0f};
  }
  switch (theme) {
    case Theme::Tahoe:
    case Theme::GoldenGate:
      return {0.055f, 0.055f, 0.065f, 0.95f};
    case Theme::Leopard:
      return {0.1f, 0.1f, 0.11f, 0.9f};
    case Theme::Sequoia:
      break;
  }
  return {0.0f, 0.0f, 0.0f, 1.0f};
}

}  // namespace notch
