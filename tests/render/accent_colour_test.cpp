#include "render/accent_colour.h"

#include <gtest/gtest.h>

#include "common/ini_document.h"

namespace notch {
namespace {

TEST(AccentColourTest, NamesMapToTheirColours) {
  const Colour rosa = AccentColourForName(L"rosa");
  EXPECT_NEAR(rosa.r, 0.969f, 0.001f);
  EXPECT_NEAR(rosa.g, 0.310f, 0.001f);
  EXPECT_NEAR(rosa.b, 0.620f, 0.001f);
  EXPECT_EQ(rosa.a, 1.0f);
  EXPECT_EQ(AccentColourForName(L"grafite"), ColourFromRgb(0x8C8C8C));
}

TEST(AccentColourTest, UnknownNamesAreAzul) {
  EXPECT_EQ(AccentColourForName(L"turquesa"), ColourFromRgb(0x007AFF));
  EXPECT_EQ(AccentColourForName(L"Rosa"), ColourFromRgb(0x007AFF));  // names are exact
  EXPECT_EQ(EffectiveAccentName(L""), L"azul");
  EXPECT_EQ(EffectiveAccentName(L"lavanda"), L"lavanda");
}

TEST(AccentColourTest, TheSettingChoosesTheColour) {
  IniDocument file = IniDocument::Parse(L"[Notch]\ndestaque=verde\n");
  Settings settings(file);
  EXPECT_EQ(AccentColour(settings), ColourFromRgb(0x62BA46));
  settings.Write(setting::kAccent, L"magenta");
  EXPECT_EQ(AccentColour(settings), ColourFromRgb(0x007AFF));
  IniDocument empty;
  EXPECT_EQ(AccentColour(Settings(empty)), ColourFromRgb(0x007AFF));
}

}  // namespace
}  // namespace notch
