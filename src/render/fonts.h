#pragma once
// The text font and the icon font the island uses, chosen once at start-up
// from what the system has installed.
#include <functional>
#include <string>
#include <string_view>

namespace notch {

// Whether the system has a font family of this name.
using FamilyInstalled = std::function<bool(std::wstring_view family)>;

struct FontSet {
  std::wstring text_font = L"Segoe UI";
  std::wstring icon_font = L"Segoe Fluent Icons";
  // Asked when a format wants a family of its own; null: none is.
  FamilyInstalled installed;

  bool Installed(std::wstring_view family) const { return installed && installed(family); }
};

// The first installed family of the text candidates, and the icon font or
// its older stand-in. `installed` is null when the system's font collection
// cannot be read.
FontSet ChooseFonts(FamilyInstalled installed);

// The program's fonts, chosen by InitFonts.
FontSet& SharedFonts();

}  // namespace notch
