// The Quick Controls panel inside TemboNotch.exe: the Quick Search hot key
// typed on the keyboard opens it on its Search page at the page's size, and
// Esc, passing through the program's main loop, closes it again.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/app_messages.h"
#include "common/text.h"
#include "key_chord.h"
#include "message_pump.h"
#include "panel/panel_page.h"
#include "panel/panel_rules.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"
#include "win_test_support.h"

namespace notch {
namespace {

class QuickControlsProcessTest : public ::testing::Test {
 protected:
  // The tray menu, then the keys its loop reads (Quick Controls is the third
  // item from the bottom): the panel on Home, or null when it never shows.
  HWND OpenHomeFromTheTray() {
    const HWND host = program.HostWindow();
    if (host == nullptr) return nullptr;
    PostMessageW(host, host_message::kTrayIcon, 1, WM_RBUTTONUP);
    for (const WPARAM key : {VK_UP, VK_UP, VK_UP, VK_RETURN}) PostMessageW(host, WM_KEYDOWN, key, 0);
    HWND panel = nullptr;
    const bool shown = testing::PumpUntil([&] {
      panel = testing::FindProcessWindow(L"TemboNotchQuickControls", program.id());
      return panel != nullptr && IsWindowVisible(panel) && GetDlgItem(panel, quick::control::kCustomize) != nullptr;
    });
    return shown ? panel : nullptr;
  }

  testing::ScopedSettingsFile defaults;
  testing::TemboNotchProcess program;
};

TEST_F(QuickControlsProcessTest, SearchHotKeyOpensSearchAndEscClosesIt) {
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
  ASSERT_NE(island, nullptr);

  testing::PressChord({VK_MENU, VK_SPACE});
  HWND panel = nullptr;
  ASSERT_TRUE(testing::PumpUntil([&] {
    panel = testing::FindProcessWindow(L"TemboNotchQuickControls", program.id());
    return panel != nullptr && IsWindowVisible(panel) && GetDlgItem(panel, quick::control::kSearchEdit) != nullptr;
  }));
  const unsigned dpi = GetDpiForWindow(island);
  // Sized for the rows the empty query lists (one row at least).
  const LRESULT rows = SendMessageW(GetDlgItem(panel, quick::control::kList), LB_GETCOUNT, 0, 0);
  const quick::PanelSize size =
      quick::PageSize(quick::Page::Search, {.search_rows = rows < 1 ? 1 : static_cast<int>(rows)});
  ASSERT_TRUE(testing::PumpUntil([&] {
    RECT rect{};
    GetWindowRect(panel, &rect);
    return rect.right - rect.left == quick::ScaleDip(size.w, dpi) &&
           rect.bottom - rect.top == quick::ScaleDip(size.h, dpi);
  }));
  for (int id : {quick::control::kBack, quick::control::kList, quick::control::kAct, quick::control::kTerminal}) {
    EXPECT_NE(GetDlgItem(panel, id), nullptr) << id;
  }

  // Opened straight into Search with an empty box: Esc collapses the island.
  PostMessageW(GetDlgItem(panel, quick::control::kSearchEdit), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(testing::PumpUntil([&] { return !IsWindowVisible(panel); }));
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(QuickControlsProcessTest, TrayItemOpensHomeAndEscReturnsTheIslandToMedia) {
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND panel = OpenHomeFromTheTray();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(GetDlgItem(panel, quick::control::kBack), nullptr);  // Home has no header
  const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
  const quick::PanelSize size = quick::PageSize(quick::Page::Home, {});
  ASSERT_TRUE(testing::PumpUntil([&] {
    RECT rect{};
    GetWindowRect(panel, &rect);
    return rect.right - rect.left == quick::ScaleDip(size.w, GetDpiForWindow(island));
  }));
  // Esc on Home: back to the island's media page, which closes the panel.
  PostMessageW(GetDlgItem(panel, quick::control::kCustomize), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(testing::PumpUntil([&] { return !IsWindowVisible(panel); }));
  EXPECT_EQ(program.Close(), 0u);
}

// The Wi-Fi page in the program: Wine's wlanapi has no interface, so the
// page's refresh ends with "No Wi-Fi adapter found." and the program runs on.
TEST_F(QuickControlsProcessTest, WifiPageWithoutAnAdapterSaysSoAndTheProgramRunsOn) {
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND panel = OpenHomeFromTheTray();
  ASSERT_NE(panel, nullptr);
  PostMessageW(GetDlgItem(panel, quick::control::kWiFiPage), BM_CLICK, 0, 0);
  const auto status = [&] {
    wchar_t text[128] = {};
    SendMessageW(GetDlgItem(panel, quick::control::kStatus), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    return std::wstring(text);
  };
  if (!testing::RunningUnderWine()) GTEST_SKIP() << "a real machine may have a Wi-Fi adapter";
  EXPECT_TRUE(testing::PumpUntil([&] { return status() == L"No Wi-Fi adapter found."; })) << WideToUtf8(status());
  // Nothing is selectable, so nothing can reach WlanConnect.
  EXPECT_EQ(SendMessageW(GetDlgItem(panel, quick::control::kList), LB_GETCOUNT, 0, 0), 0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, quick::control::kAct)));
  EXPECT_TRUE(program.Running());
  EXPECT_EQ(program.Close(), 0u);
}

// The Sound page in the program lists the sound server's output through the
// host's audio binding, marked as the default and selected.
TEST_F(QuickControlsProcessTest, SoundPageListsTheDefaultOutputThroughTheHostsBinding) {
  if (testing::SoundServerState() != "running") GTEST_SKIP() << "no sound server";
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND panel = OpenHomeFromTheTray();
  ASSERT_NE(panel, nullptr);
  PostMessageW(GetDlgItem(panel, quick::control::kSoundPage), BM_CLICK, 0, 0);
  HWND list = nullptr;
  ASSERT_TRUE(testing::PumpUntil([&] {
    list = GetDlgItem(panel, quick::control::kList);
    return list != nullptr && SendMessageW(list, LB_GETCURSEL, 0, 0) != LB_ERR;
  }));
  wchar_t item[256] = {};
  SendMessageW(list, LB_GETTEXT, SendMessageW(list, LB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(item));
  // "NAME  ·  Active" (or its translation) marks the default device.
  EXPECT_NE(std::wstring(item).find(L"  \u00B7  "), std::wstring::npos) << WideToUtf8(item);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, quick::control::kSlider)));
  EXPECT_TRUE(program.Running());
  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace notch
