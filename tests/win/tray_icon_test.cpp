// The tray icon as the shell sees it: NIM_MODIFY succeeds only for an icon
// that exists.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include "host/host_links_win.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

constexpr UINT kTrayIconId = 1;

NOTIFYICONDATAW IconOf(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = kTrayIconId;
  return data;
}

bool TrayIconExists(HWND owner) {
  NOTIFYICONDATAW data = IconOf(owner);
  data.uFlags = NIF_TIP;
  wcscpy_s(data.szTip, L"Tembo Notch");
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void DeleteIcon(HWND owner) {
  NOTIFYICONDATAW data = IconOf(owner);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

TEST(TrayIconTest, AddedAndDeletedForItsWindow) {
  const HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(TrayIconExists(owner));
  links::AddTrayIcon(owner);
  EXPECT_TRUE(TrayIconExists(owner));
  links::DeleteTrayIcon(owner);
  EXPECT_FALSE(TrayIconExists(owner));
  DestroyWindow(owner);
}

TEST(TrayIconTest, TheProgramShowsItsIconComesBackAfterTaskbarCreatedAndRemovesIt) {
  testing::ScopedSettingsFile settings;
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND host = program.HostWindow();
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(TrayIconExists(host));

  DeleteIcon(host);  // as when Explorer restarts
  ASSERT_FALSE(TrayIconExists(host));
  SendMessageW(host, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(TrayIconExists(host));

  EXPECT_EQ(program.Close(), 0u);
  EXPECT_FALSE(TrayIconExists(host));
}

}  // namespace
}  // namespace notch
