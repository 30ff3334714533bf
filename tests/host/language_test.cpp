#include "host/language.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "common/text.h"
#include "host/translate.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace notch {
namespace {

TEST(LanguageTest, OnlyExactlyPtIsPortuguese) {
  EXPECT_EQ(LanguageFromSetting(L"pt"), kPortuguese);
  EXPECT_EQ(LanguageFromSetting(L"PT"), kEnglish);
  EXPECT_EQ(LanguageFromSetting(L"pt-br"), kEnglish);
  EXPECT_EQ(LanguageFromSetting(L"en"), kEnglish);
  EXPECT_EQ(LanguageFromSetting(L""), kEnglish);
}

TEST(LanguageTest, FallbackFileLastLanguageLineWins) {
  EXPECT_EQ(LanguageFromAjustesText(L""), kEnglish);
  EXPECT_EQ(LanguageFromAjustesText(L"tema=1\nidioma=pt\n"), kPortuguese);
  EXPECT_EQ(LanguageFromAjustesText(L"idioma=pt\r\nidioma=en\r\n"), kEnglish);
  EXPECT_EQ(LanguageFromAjustesText(L"idioma=english\n idioma=pt\n"), kEnglish);  // indented lines do not count
  EXPECT_EQ(LanguageFromAjustesText(L"idioma=e\n"), kPortuguese);
  EXPECT_EQ(LanguageFromAjustesText(L"idioma="), kPortuguese);
  EXPECT_EQ(LanguageFromAjustesText(L"IDIOMA=pt\n"), kEnglish);
}

TEST(LanguageTest, FallbackFileIsReadInLineBufferPieces) {
  // The 511-character piece boundary makes "idioma=pt" start a piece of its own.
  const std::wstring line = std::wstring(511, L'x') + L"idioma=pt\n";
  EXPECT_EQ(LanguageFromAjustesText(line), kPortuguese);
  const std::wstring shifted = std::wstring(510, L'x') + L"idioma=pt\n";
  EXPECT_EQ(LanguageFromAjustesText(shifted), kEnglish);
}

TEST(LanguageTest, FallbackPathNeedsAUsableAppData) {
  EXPECT_EQ(AjustesPath(std::nullopt), std::nullopt);
  EXPECT_EQ(AjustesPath(std::wstring()), std::nullopt);
  EXPECT_EQ(AjustesPath(std::wstring(260, L'a')), std::nullopt);
  EXPECT_EQ(AjustesPath(std::wstring(259, L'a')), std::wstring(259, L'a') + L"\\Shell\\ajustes.txt");
}

TEST(LanguageTest, UnknownLanguageIsSettledOnceFromTheFallbackFile) {
  testing::TempFolder folder;
  std::filesystem::create_directories(folder.path() / "Shell");
  ASSERT_TRUE(ReplaceFileBytes(folder.path() / "Shell" / "ajustes.txt", "\xEF\xBB\xBFidioma=pt\n"));
  const testing::ScopedEnvironmentVariable app_data(L"APPDATA", WideFromPath(folder.path()));
  SetLanguageFlag(kLanguageUnknown);
  EXPECT_EQ(EnsureLanguageKnown(), kPortuguese);
  EXPECT_EQ(LanguageFlag(), kPortuguese);
  // Portuguese leaves source texts alone.
  EXPECT_STREQ(Translate(L"Nada tocando"), L"Nada tocando");
  SetLanguageFlag(kEnglish);
}

}  // namespace
}  // namespace notch
