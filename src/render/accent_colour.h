#pragma once
// The user's accent colour, chosen by Portuguese name in the `destaque`
// setting.
#include <string_view>

#include "host/settings.h"
#include "render/colour.h"

namespace notch {

// The name as the accent table reads it: a known name, or "azul".
std::wstring_view EffectiveAccentName(std::wstring_view name);
Colour AccentColourForName(std::wstring_view name);
// The colour of the "destaque" setting as it is now.
Colour AccentColour(const Settings& settings);

}  // namespace notch
