// TemboNotch.exe as a whole: single instance, the settings folder, the host
// window and the way out.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/app_messages.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"
#include "win_test_support.h"

namespace notch {
namespace {

TEST(StartupProcessTest, OneInstanceWithAHiddenHostWindowThatClosesCleanly) {
  const std::wstring settings_folder = testing::RoamingSettingsFolder();
  RemoveDirectoryW(settings_folder.c_str());  // only succeeds while it holds nothing

  testing::TemboNotchProcess first;
  ASSERT_TRUE(first.started());
  ASSERT_TRUE(first.WaitUntilIdle());

  const DWORD attributes = GetFileAttributesW(settings_folder.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);

  const HWND host = first.HostWindow();
  ASSERT_NE(host, nullptr);
  wchar_t title[64] = {};
  GetWindowTextW(host, title, 64);
  EXPECT_STREQ(title, L"Tembo Notch");
  EXPECT_FALSE(IsWindowVisible(host));
  EXPECT_TRUE(GetWindowLongPtrW(host, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongPtrW(host, GWL_STYLE) & WS_POPUP);

  {
    testing::TemboNotchProcess second;
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.WaitForExit(), 0u);
  }
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(first.HostWindow(), host);
  EXPECT_EQ(first.Close(), 0u);
}

// Any process on the desktop may post to our windows: a message that names
// a block the program never handed off is ignored, not freed.
TEST(StartupProcessTest, ForeignBlocksInHandOffMessagesAreIgnored) {
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND host = program.HostWindow();
  const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
  ASSERT_NE(host, nullptr);
  ASSERT_NE(island, nullptr);
  std::wstring ours = L"C:\\Users\\ana\\Downloads\\x.zip";
  for (const LPARAM bogus : {static_cast<LPARAM>(0x12345678), reinterpret_cast<LPARAM>(&ours), LPARAM{8}}) {
    EXPECT_TRUE(PostMessageW(host, host_message::kNotification, 0, bogus));
    EXPECT_TRUE(PostMessageW(island, island_message::kDownload, 0, bogus));
  }
  // Posted messages are handled in order: the close comes after them all.
  EXPECT_TRUE(program.Running());
  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace notch
