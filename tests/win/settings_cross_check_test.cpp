// The portable INI reader must read settings files exactly as the Windows
// profile functions do.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "common/ini_file_store.h"
#include "common/profile_store_win.h"
#include "host/settings.h"
#include "support/temp_folder.h"
#include "win_test_support.h"

namespace notch {
namespace {

class SettingsCrossCheckTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(SettingsCrossCheckTest, PortableReaderAgreesWithTheProfileFunctions) {
  const std::wstring path = testing::TestDataPath(std::wstring(L"settings\\") + GetParam());
  ASSERT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "missing sample";
  const WindowsProfileStore windows(path);
  const IniFileStore portable(PathFromWide(path));

  std::vector<std::wstring> keys;
  for (const SettingKey& key : SettingKeys()) keys.emplace_back(key.name);
  keys.insert(keys.end(), {L"ILHA", L"Ilha_Estilo", L"  lyrics ", L"not_there"});
  for (const std::wstring& section : {std::wstring(L"Notch"), std::wstring(L"nOtCh"), std::wstring(L"Other")}) {
    for (const std::wstring& key : keys) {
      EXPECT_EQ(portable.Read(section, key, L"<default>"), windows.Read(section, key, L"<default>"))
          << "[" << section << "] " << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SampleFiles, SettingsCrossCheckTest,
                         ::testing::Values(L"defaults.ini", L"typical.ini", L"quirks.ini", L"unicode-utf16.ini",
                                           L"ansi.ini"));

TEST(WindowsProfileStoreTest, NewFilesKeepTextOutsideTheAnsiCodePage) {
  testing::TempFolder folder;
  const std::wstring path = (folder.path() / L"settings.ini").wstring();
  WindowsProfileStore store(path);
  const std::wstring name = L"\u4E2D\u6587 \u00C9 \U0001F600";
  ASSERT_TRUE(store.Write(kSettingsSection, L"search_browser_name", name));
  EXPECT_EQ(store.Read(kSettingsSection, L"search_browser_name", L""), name);
  EXPECT_EQ(IniFileStore(folder.path() / L"settings.ini").Read(kSettingsSection, L"search_browser_name", L""), name);

  // Writes through the portable store are read back by the profile functions.
  IniFileStore portable(folder.path() / L"settings.ini");
  ASSERT_TRUE(portable.Write(kSettingsSection, L"ilha_estilo", L"ilha"));
  EXPECT_EQ(store.Read(kSettingsSection, L"ilha_estilo", L""), L"ilha");
  EXPECT_EQ(store.Read(kSettingsSection, L"search_browser_name", L""), name);
}

}  // namespace
}  // namespace notch
