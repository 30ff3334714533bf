#include "render/fonts.h"

#include <array>

namespace notch {
namespace {

constexpr std::array<std::wstring_view, 4> kTextFontCandidates = {L"SF Pro Text", L"Inter", L"Segoe UI Variable Text",
                                                                  L"Segoe UI"};
constexpr std::wstring_view kIconFont = L"Segoe Fluent Icons";
constexpr std::wstring_view kOlderIconFont = L"Segoe MDL2 Assets";

}  // namespace

FontSet ChooseFonts(FamilyInstalled installed) {
  FontSet fonts;
  fonts.installed = std::move(installed);
  for (const std::wstring_view candidate : kTextFontCandidates) {
    if (fonts.Installed(candidate)) {
      fonts.text_font = candidate;
      break;
    }
  }
  fonts.icon_font = fonts.Installed(kIconFont) ? kIconFont : kOlderIconFont;
  return fonts;
}

FontSet& SharedFonts() {
  static FontSet fonts;
  return fonts;
}

}  // namespace notch
