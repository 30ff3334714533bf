// The Run value in the registry of the test prefix.
#include "host/start_with_windows_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace notch {
namespace {

std::optional<std::wstring> RunValue() {
  wchar_t data[1024] = {};
  DWORD bytes = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKeyPath, kRunValueName, RRF_RT_REG_SZ, nullptr, data, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

std::wstring ThisExecutable() {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

TEST(StartWithWindowsWinTest, WritesTheQuotedExecutableAndRemovesIt) {
  ASSERT_TRUE(SetStartWithWindows(false));
  EXPECT_FALSE(StartWithWindowsEnabled());

  ASSERT_TRUE(SetStartWithWindows(true));
  EXPECT_EQ(RunValue(), L"\"" + ThisExecutable() + L"\"");
  EXPECT_TRUE(StartWithWindowsEnabled());

  ASSERT_TRUE(SetStartWithWindows(false));
  EXPECT_EQ(RunValue(), std::nullopt);
  EXPECT_FALSE(StartWithWindowsEnabled());
  EXPECT_TRUE(SetStartWithWindows(false));  // already off
}

TEST(StartWithWindowsWinTest, AnEmptyOrNonTextValueIsOff) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, kRunValueName, REG_SZ, L"", sizeof(wchar_t)),
            ERROR_SUCCESS);
  EXPECT_FALSE(StartWithWindowsEnabled());
  const DWORD number = 1;
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, kRunValueName, REG_DWORD, &number, sizeof number),
            ERROR_SUCCESS);
  EXPECT_FALSE(StartWithWindowsEnabled());
  EXPECT_TRUE(SetStartWithWindows(false));
  EXPECT_EQ(RunValue(), std::nullopt);
}

}  // namespace
}  // namespace notch
