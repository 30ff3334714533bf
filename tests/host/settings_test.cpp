#include "host/settings.h"

#include <gtest/gtest.h>

#include "common/ini_document.h"

namespace notch {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void Load(std::wstring_view text) { file_ = IniDocument::Parse(text); }
  std::wstring Value(std::wstring_view key) { return file_.Read(kSettingsSection, key, L"<missing>"); }

  IniDocument file_;
  Settings settings_{file_};
};

TEST_F(SettingsTest, EmptyFileGivesEveryDefault) {
  EXPECT_TRUE(settings_.IslandEnabled());
  EXPECT_EQ(settings_.Style(), IslandStyle::Notch);
  EXPECT_TRUE(settings_.NotificationsEnabled());
  EXPECT_TRUE(settings_.VolumeHudEnabled());
  EXPECT_FALSE(settings_.HoverOpen());
  EXPECT_EQ(settings_.AutoHideSeconds(), 0);
  EXPECT_TRUE(settings_.LyricsOn());
  EXPECT_TRUE(settings_.LyricsChecked());
  EXPECT_EQ(settings_.CurrentTheme(), Theme::Sequoia);
  EXPECT_EQ(settings_.Read(setting::kAccent), L"azul");
  EXPECT_EQ(settings_.Read(setting::kLanguage), L"en");
  EXPECT_EQ(settings_.Read(setting::kSearchWebFallback), L"g");
  EXPECT_EQ(settings_.Read(setting::kSearchHotKeyModifiers), L"");
}

TEST_F(SettingsTest, IslandIsEnabledOnlyByExactlyOneWhateverTheCallerDefault) {
  EXPECT_EQ(settings_.Read(setting::kIsland, L"0"), L"1");
  Load(L"[Notch]\nilha=0\n");
  EXPECT_FALSE(settings_.IslandEnabled());
  Load(L"[Notch]\nilha=yes\n");
  EXPECT_FALSE(settings_.IslandEnabled());
}

TEST_F(SettingsTest, OnOffKeysFollowTheirExactValueRules) {
  Load(L"[Notch]\nilha_notificacoes=no\nilha_volume=0\nilha_passar=true\nlyrics=2\n");
  EXPECT_TRUE(settings_.NotificationsEnabled());  // only "0" turns it off
  EXPECT_FALSE(settings_.VolumeHudEnabled());
  EXPECT_FALSE(settings_.HoverOpen());  // only "1" turns it on
  EXPECT_TRUE(settings_.LyricsOn());
  EXPECT_FALSE(settings_.LyricsChecked());
}

TEST_F(SettingsTest, StyleTexts) {
  for (const auto& [text, style] :
       {std::pair{L"ilha", IslandStyle::Pill}, std::pair{L"notificacao", IslandStyle::ActivityOnly},
        std::pair{L"notch", IslandStyle::Notch}, std::pair{L"Ilha", IslandStyle::Notch}}) {
    EXPECT_EQ(IslandStyleFromText(text), style) << text;
  }
  settings_.WriteStyle(IslandStyle::ActivityOnly);
  EXPECT_EQ(Value(setting::kIslandStyle), L"notificacao");
}

TEST(AutoHideSecondsTest, AcceptsOnlyWholeNumbersUpToAnHour) {
  EXPECT_EQ(ParseAutoHideSeconds(L"3600"), 3600);
  EXPECT_EQ(ParseAutoHideSeconds(L"15"), 15);
  EXPECT_EQ(ParseAutoHideSeconds(L"+20"), 20);
  EXPECT_EQ(ParseAutoHideSeconds(L"3601"), 0);
  EXPECT_EQ(ParseAutoHideSeconds(L"-5"), 0);
  EXPECT_EQ(ParseAutoHideSeconds(L"10s"), 0);
  EXPECT_EQ(ParseAutoHideSeconds(L""), 0);
  EXPECT_EQ(ParseAutoHideSeconds(L"99999999999999999999"), 0);
  EXPECT_EQ(ParseAutoHideSeconds(L"\u0661\u0662"), 0);  // non-ASCII digits
}

TEST_F(SettingsTest, ThemeFlagsCountOnlyInTheirContext) {
  Load(L"[Notch]\nliquid_glass=0\ngolden_gate=1\n");
  EXPECT_EQ(settings_.CurrentTheme(), Theme::Sequoia);
  Load(L"[Notch]\nliquid_glass=1\nleopard=1\n");
  EXPECT_EQ(settings_.CurrentTheme(), Theme::Tahoe);
  Load(L"[Notch]\nliquid_glass=1\ngolden_gate=1\nleopard=1\n");
  EXPECT_EQ(settings_.CurrentTheme(), Theme::GoldenGate);
  Load(L"[Notch]\nleopard=1\n");
  EXPECT_EQ(settings_.CurrentTheme(), Theme::Leopard);
}

TEST_F(SettingsTest, ThemeWritesAlwaysSetAllThreeFlags) {
  struct Case {
    Theme theme;
    const wchar_t *glass, *golden, *leopard;
  };
  for (const Case& c : {Case{Theme::Sequoia, L"0", L"0", L"0"}, Case{Theme::Tahoe, L"1", L"0", L"0"},
                        Case{Theme::GoldenGate, L"1", L"1", L"0"}, Case{Theme::Leopard, L"0", L"0", L"1"}}) {
    settings_.WriteTheme(c.theme);
    EXPECT_EQ(Value(setting::kLiquidGlass), c.glass);
    EXPECT_EQ(Value(setting::kGoldenGate), c.golden);
    EXPECT_EQ(Value(setting::kLeopard), c.leopard);
    EXPECT_EQ(settings_.CurrentTheme(), c.theme);
  }
}

TEST_F(SettingsTest, TogglesUseTheirDefaults) {
  settings_.Toggle(setting::kVolumeHud);  // missing reads as "1"
  EXPECT_EQ(Value(setting::kVolumeHud), L"0");
  settings_.Toggle(setting::kVolumeHud);
  EXPECT_EQ(Value(setting::kVolumeHud), L"1");

  settings_.Toggle(setting::kHoverOpen, L"0");  // missing reads as "0"
  EXPECT_EQ(Value(setting::kHoverOpen), L"1");

  // An odd lyrics value keeps lyrics on but unchecked; the toggle writes "1".
  Load(L"[Notch]\nlyrics=maybe\n");
  settings_.Toggle(setting::kLyrics);
  EXPECT_EQ(Value(setting::kLyrics), L"1");
  EXPECT_TRUE(settings_.LyricsChecked());
}

TEST(SettingKeysTest, EveryKeyHasOneEntry) {
  const auto keys = SettingKeys();
  EXPECT_EQ(keys.size(), 20u);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    for (std::size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(std::wstring(keys[i].name), keys[j].name);
  }
  EXPECT_EQ(SettingDefault(L"ilha_estilo"), L"notch");
  EXPECT_EQ(SettingDefault(L"unknown"), L"");
}

}  // namespace
}  // namespace notch
