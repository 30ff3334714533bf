#include "render/text_formats.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace notch {
namespace {

FontSet Fonts(std::set<std::wstring> installed) {
  return ChooseFonts([installed](std::wstring_view family) { return installed.count(std::wstring(family)) != 0; });
}

TEST(FontChoiceTest, TheFirstInstalledCandidateBecomesTheTextFont) {
  EXPECT_EQ(Fonts({L"Inter", L"SF Pro Text"}).text_font, L"SF Pro Text");
  EXPECT_EQ(Fonts({L"Inter", L"Segoe UI"}).text_font, L"Inter");
  EXPECT_EQ(Fonts({L"Segoe UI Variable Text", L"Segoe UI"}).text_font, L"Segoe UI Variable Text");
  EXPECT_EQ(Fonts({L"Arial"}).text_font, L"Segoe UI");
}

TEST(FontChoiceTest, TheIconFontFallsBackToTheOlderAssets) {
  EXPECT_EQ(Fonts({L"Segoe Fluent Icons"}).icon_font, L"Segoe Fluent Icons");
  EXPECT_EQ(Fonts({L"Segoe UI"}).icon_font, L"Segoe MDL2 Assets");
  const FontSet unreadable = ChooseFonts(nullptr);
  EXPECT_EQ(unreadable.text_font, L"Segoe UI");
  EXPECT_EQ(unreadable.icon_font, L"Segoe MDL2 Assets");
  EXPECT_FALSE(unreadable.Installed(L"Segoe UI"));
}

TEST(TextFormatTest, TextFormatsTrimWithAnEllipsisAndIconFormatsDoNot) {
  const FontSet fonts = Fonts({L"Inter", L"Segoe Fluent Icons"});
  const TextFormat text = MakeTextFormat(fonts, Theme::Tahoe, 10.5f, 400, TextAlignment::Trailing, false);
  EXPECT_EQ(text, (TextFormat{L"Inter", 10.5f, 400, TextAlignment::Trailing, true}));
  const TextFormat icon = MakeTextFormat(fonts, Theme::Leopard, 12.0f, 400, TextAlignment::Centre, true);
  EXPECT_EQ(icon, (TextFormat{L"Segoe Fluent Icons", 12.0f, 400, TextAlignment::Centre, false}));
}

TEST(TextFormatTest, LeopardSetsTextInLucidaSmallerAndBolderWhenItIsInstalled) {
  const FontSet fonts = Fonts({L"Inter", L"Lucida Sans Unicode"});
  const TextFormat semibold = MakeTextFormat(fonts, Theme::Leopard, 12.5f, 600, TextAlignment::Leading, false);
  EXPECT_EQ(semibold, (TextFormat{L"Lucida Sans Unicode", 12.0f, 700, TextAlignment::Leading, true}));
  const TextFormat regular = MakeTextFormat(fonts, Theme::Leopard, 11.0f, 400, TextAlignment::Centre, false);
  EXPECT_EQ(regular.size, 10.5f);
  EXPECT_EQ(regular.weight, 400);
  EXPECT_EQ(MakeTextFormat(fonts, Theme::Sequoia, 12.5f, 600, TextAlignment::Leading, false).family, L"Inter");

  const FontSet without_lucida = Fonts({L"Inter"});
  EXPECT_EQ(MakeTextFormat(without_lucida, Theme::Leopard, 12.5f, 600, TextAlignment::Leading, false),
            (TextFormat{L"Inter", 12.5f, 600, TextAlignment::Leading, true}));
}

TEST(TextFormatTest, AFamilyOfItsOwnFallsBackToTheTextFont) {
  const FontSet fonts = Fonts({L"Inter", L"Georgia"});
  EXPECT_EQ(MakeTextFormatFor(fonts, L"Georgia", 9.0f, 700), (TextFormat{L"Georgia", 9.0f, 700}));
  EXPECT_EQ(MakeTextFormatFor(fonts, L"SF Pro Text", 9.0f, 700), (TextFormat{L"Inter", 9.0f, 700}));
}

TEST(TextFormatTest, TheIslandsFormatsFollowTheTableAndTheTheme) {
  const FontSet fonts = Fonts({L"Inter", L"Lucida Sans Unicode"});
  const IslandTextFormats sequoia(fonts, Theme::Sequoia);
  EXPECT_EQ(sequoia[TextRole::Title], (TextFormat{L"Inter", 12.5f, 600, TextAlignment::Leading, true}));
  EXPECT_EQ(sequoia[TextRole::Secondary], (TextFormat{L"Inter", 11.0f, 400, TextAlignment::Leading, true}));
  EXPECT_EQ(sequoia[TextRole::SmallCentred].alignment, TextAlignment::Centre);
  EXPECT_EQ(sequoia[TextRole::BoldTrailing], (TextFormat{L"Inter", 11.0f, 600, TextAlignment::Trailing, true}));
  EXPECT_EQ(sequoia[TextRole::Big].size, 28.0f);
  EXPECT_EQ(sequoia[TextRole::Value].size, 17.0f);
  EXPECT_EQ(sequoia[TextRole::Icon20], (TextFormat{L"Segoe MDL2 Assets", 20.0f, 400, TextAlignment::Centre, false}));
  const IslandTextFormats leopard(fonts, Theme::Leopard);
  EXPECT_EQ(leopard[TextRole::Title].family, L"Lucida Sans Unicode");
  EXPECT_EQ(leopard[TextRole::Icon12].family, L"Segoe MDL2 Assets");
}

}  // namespace
}  // namespace notch
