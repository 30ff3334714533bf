// Quick Search in the running TemboNotch.exe: the hot key opens the panel on
// Search with the focus in the box, typed text lists results (a calculation
// and a file of the profile), Open copies an answer, and a shortcut captured
// on the search settings page is registered and saved.
#include <windows.h>

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "key_chord.h"
#include "message_pump.h"
#include "panel/panel_page.h"
#include "panel/panel_rules.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

constexpr DWORD kSearchWaitMs = 20000;

HWND WaitForSearchPanel(DWORD process) {
  HWND panel = nullptr;
  testing::PumpUntil([&] {
    panel = testing::FindProcessWindow(L"TemboNotchQuickControls", process);
    return panel != nullptr && IsWindowVisible(panel) && GetDlgItem(panel, quick::control::kSearchEdit) != nullptr;
  });
  return panel;
}

// The program refills the list as results arrive, so a row can grow between
// asking its length and reading it: read into a buffer longer than any row.
std::wstring ListRowText(HWND list, int row) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length <= 0 || length > 1024) return {};
  std::wstring text(8192, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(text.find(L'\0'));
  return text;
}

bool ListHasRowStartingWith(HWND list, const std::wstring& start) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (int row = 0; row < count; ++row) {
    if (ListRowText(list, row).rfind(start, 0) == 0) return true;
  }
  return false;
}

// Characters reach the box through the program's main loop, as typed ones do.
void TypeInto(HWND edit, const std::wstring& text) {
  for (const wchar_t c : text) PostMessageW(edit, WM_CHAR, c, 0);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void EmptyTheClipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}

std::wstring SavedSetting(const wchar_t* key) {
  wchar_t value[64] = {};
  GetPrivateProfileStringW(L"Notch", key, L"", value, 64, testing::RoamingSettingsPath().c_str());
  return value;
}

bool HotKeyFree(UINT modifiers, UINT key) {
  if (!RegisterHotKey(nullptr, 0x5EED, modifiers, key)) return false;
  UnregisterHotKey(nullptr, 0x5EED);
  return true;
}

TEST(QuickSearchPanelProcessTest, HotKeyFocusesTheBoxAndACalculationIsCopiedWithOpen) {
  testing::ScopedSettingsFile defaults;
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  EmptyTheClipboard();

  testing::PressChord({VK_MENU, VK_SPACE});
  const HWND panel = WaitForSearchPanel(program.id());
  ASSERT_NE(panel, nullptr);
  const HWND edit = GetDlgItem(panel, quick::control::kSearchEdit);
  const HWND list = GetDlgItem(panel, quick::control::kList);
  // The pointer rests on the panel, so the island stays open while the test
  // process, not the program, holds the foreground.
  RECT placed{};
  GetWindowRect(panel, &placed);
  SetCursorPos((placed.left + placed.right) / 2, (placed.top + placed.bottom) / 2);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof(gui);
  EXPECT_TRUE(testing::PumpUntil(
      [&] { return GetGUIThreadInfo(GetWindowThreadProcessId(panel, nullptr), &gui) && gui.hwndFocus == edit; }));

  TypeInto(edit, L"2+3*4");
  ASSERT_TRUE(testing::PumpUntil([&] { return ListRowText(list, 0) == L"= 14  \u00B7  Copy answer"; }));
  // The list and the panel shrank to the rows shown.
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  const int rows = static_cast<int>(count < 1 ? 1 : count > 5 ? 5 : count);
  const unsigned dpi = GetDpiForWindow(panel);
  EXPECT_TRUE(testing::PumpUntil([&] {
    RECT rect{};
    GetWindowRect(panel, &rect);
    return rect.bottom - rect.top == quick::ScaleDip(188 + 36 * rows, dpi);
  }));

  // The Open button takes the same way as Enter in the box.
  PostMessageW(panel, WM_COMMAND, MAKEWPARAM(quick::control::kAct, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(panel, quick::control::kAct)));
  // The status first: opening the clipboard while the program writes it
  // would make its copy fail.
  wchar_t status[128] = {};
  std::wstring seen;
  EXPECT_TRUE(testing::PumpUntil([&] {
    GetWindowTextW(GetDlgItem(panel, quick::control::kStatus), status, 128);
    if (seen.find(status) == std::wstring::npos) seen += std::wstring(status) + L" | ";
    return std::wstring(status) == L"Copied 14 to clipboard.";
  })) << seen;
  EXPECT_TRUE(testing::PumpUntil([] { return ClipboardText() == L"14"; }));
  EXPECT_EQ(program.Close(), 0u);
}

TEST(QuickSearchPanelProcessTest, AFileInTheProfileIsListed) {
  PWSTR profile = nullptr;
  ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &profile)));
  const std::wstring path = std::wstring(profile) + L"\\tembo-search-probe-7q.txt";
  CoTaskMemFree(profile);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  {
    testing::ScopedSettingsFile defaults;
    testing::TemboNotchProcess program;
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(program.WaitUntilIdle());
    testing::PressChord({VK_MENU, VK_SPACE});
    const HWND panel = WaitForSearchPanel(program.id());
    ASSERT_NE(panel, nullptr);
    TypeInto(GetDlgItem(panel, quick::control::kSearchEdit), L"tembo-search-probe");
    const HWND list = GetDlgItem(panel, quick::control::kList);
    EXPECT_TRUE(testing::PumpUntil(
        [&] { return ListHasRowStartingWith(list, L"tembo-search-probe-7q.txt  \u00B7  ~"); }, kSearchWaitMs));
    EXPECT_EQ(program.Close(), 0u);
  }
  DeleteFileW(path.c_str());
}

TEST(QuickSearchPanelProcessTest, CapturedShortcutIsRegisteredAndSaved) {
  testing::ScopedSettingsFile defaults("[Notch]\r\n");
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  ASSERT_TRUE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'K'));

  testing::PressChord({VK_MENU, VK_SPACE});
  const HWND panel = WaitForSearchPanel(program.id());
  ASSERT_NE(panel, nullptr);
  const auto click = [panel](int id) {
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(panel, id)));
  };
  click(quick::control::kSettings);
  HWND custom = nullptr;
  ASSERT_TRUE(testing::PumpUntil([&] {
    custom = GetDlgItem(panel, quick::control::kCustomShortcut);
    return custom != nullptr;
  }));
  click(quick::control::kCustomShortcut);
  wchar_t text[64] = {};
  ASSERT_TRUE(testing::PumpUntil([&] {
    GetWindowTextW(custom, text, 64);
    return std::wstring(text) == L"Press keys\u2026";
  }));

  testing::PressChord({VK_CONTROL, VK_SHIFT, 'K'});
  EXPECT_TRUE(testing::PumpUntil([&] {
    GetWindowTextW(custom, text, 64);
    return std::wstring(text) != L"Press keys\u2026";
  }));
  EXPECT_EQ(SavedSetting(L"search_hotkey_mod"), L"6");
  EXPECT_EQ(SavedSetting(L"search_hotkey_vk"), L"75");
  EXPECT_FALSE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'K'));  // the program holds it now
  EXPECT_TRUE(HotKeyFree(MOD_ALT, VK_SPACE));              // and gave the old one up
  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace notch
