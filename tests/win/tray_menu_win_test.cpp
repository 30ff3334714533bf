// The tray menu model as a Win32 popup menu.
#include "host/tray_menu_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ini_document.h"
#include "common/profile_store_win.h"
#include "host/host_window_win.h"
#include "host/hot_keys_win.h"
#include "support/temp_folder.h"

namespace notch {
namespace {

// One line per menu item, read back through the menu API: "id text", "*" for
// a check, "-" for a separator, "> text" and indented items for a submenu.
void Read(HMENU menu, const std::wstring& indent, std::vector<std::wstring>& out) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 128;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    if (info.fType & MFT_SEPARATOR) {
      out.push_back(indent + L"-");
    } else if (info.hSubMenu != nullptr) {
      out.push_back(indent + L"> " + text);
      Read(info.hSubMenu, indent + L"  ", out);
    } else {
      out.push_back(indent + std::to_wstring(info.wID) + L" " + text + ((info.fState & MFS_CHECKED) ? L" *" : L""));
    }
  }
}

std::vector<std::wstring> Realise(TrayMenuVariant variant, std::wstring_view settings_text, TrayMenuState state) {
  IniDocument file = IniDocument::Parse(settings_text);
  const Settings settings(file);
  const HMENU menu = CreateTrayPopupMenu(BuildTrayMenu(variant, settings, state));
  std::vector<std::wstring> lines;
  if (menu == nullptr) return lines;
  Read(menu, L"", lines);
  DestroyMenu(menu);
  return lines;
}

TEST(TrayMenuWinTest, FullMenuBecomesAPopupWithItsSubmenu) {
  TrayMenuState state;
  state.auto_hide_seconds = 15;
  state.toggle_hot_key_registered = true;
  state.search_hot_key_name = L"Ctrl+Alt+Space";
  const auto lines = Realise(TrayMenuVariant::Full, L"[Notch]\nilha_estilo=ilha\nliquid_glass=1\n", state);
  const std::vector<std::wstring> expected = {
      L"1 Notch",
      L"2 Pill *",
      L"3 Activity only",
      L"-",
      L"4 Sequoia",
      L"5 Tahoe *",
      L"6 Golden Gate",
      L"7 Leopard",
      L"-",
      L"8 Open on hover",
      L"> &Auto-hide",
      L"  13 &Off",
      L"  14 &10 seconds",
      L"  15 &20 seconds",
      L"  16 &Custom (15 seconds)... *",
      L"9 Show volume *",
      L"10 Show Windows notifications *",
      L"11 Show lyrics *",
      L"12 Start with &Windows",
      L"-",
      L"19 Quick Search\tCtrl+Alt+Space",
      L"18 Quick Controls",
      L"17 Show / hide notch\tCtrl+Alt+N",
      L"20 Exit",
  };
  EXPECT_EQ(lines, expected);
}

TEST(TrayMenuWinTest, AutoHideVariantHasItsItemsAtTheTop) {
  const auto lines = Realise(TrayMenuVariant::AutoHide, L"", TrayMenuState{});
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"13 &Off *", L"14 &10 seconds", L"15 &20 seconds", L"16 &Custom..."}));
}

// The real menu, shown for a window of this thread and driven from the
// keyboard: the keys wait in the queue until the menu's own loop reads them.
class ShownMenuTest : public ::testing::Test {
 protected:
  static HWND CreateHiddenWindow() {
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  void SetUp() override {
    owner_ = CreateHiddenWindow();
    host_ = CreateHiddenWindow();
    ASSERT_NE(owner_, nullptr);
    ASSERT_NE(host_, nullptr);
    saved_host_ = HostWindow().window;
    HostWindow().window = host_;
  }
  void TearDown() override {
    HostWindow().window = saved_host_;
    DestroyWindow(owner_);
    DestroyWindow(host_);
  }
  void Show(TrayMenuVariant variant, std::initializer_list<WORD> keys) {
    for (const WORD key : keys) PostMessageW(owner_, WM_KEYDOWN, key, 0);
    ShowTrayMenu(owner_, variant, settings_);
  }
  static bool CloseWasPosted(HWND window) {
    MSG message{};
    return PeekMessageW(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
  }

  testing::TempFolder folder_;
  WindowsProfileStore store_{(folder_.path() / L"settings.ini").wstring()};
  Settings settings_{store_};
  HWND owner_ = nullptr;  // the panel, say
  HWND host_ = nullptr;
  HWND saved_host_ = nullptr;
};

TEST_F(ShownMenuTest, ChosenItemsChangeTheSettingsFile) {
  Show(TrayMenuVariant::Full, {VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(settings_.Read(setting::kIslandStyle), L"ilha");
  Show(TrayMenuVariant::Theme, {VK_UP, VK_RETURN});
  EXPECT_EQ(settings_.CurrentTheme(), Theme::Leopard);
  EXPECT_EQ(settings_.Read(setting::kLiquidGlass, L"<missing>"), L"0");
  Show(TrayMenuVariant::AutoHide, {VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(settings_.Read(setting::kAutoHideSeconds), L"10");
  EXPECT_FALSE(CloseWasPosted(host_));
}

TEST_F(ShownMenuTest, DismissingChangesNothingAndExitClosesTheHostWindowWhateverTheOwner) {
  Show(TrayMenuVariant::Full, {VK_ESCAPE});
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / L"settings.ini"));
  EXPECT_FALSE(CloseWasPosted(host_));
  Show(TrayMenuVariant::Full, {VK_UP, VK_RETURN});
  EXPECT_TRUE(CloseWasPosted(host_));
  EXPECT_FALSE(CloseWasPosted(owner_));
}

TEST(HotKeyNamesWinTest, KeysOutsideTheTableAreNamedByTheLayout) {
  const WindowsHotKeyRegistrar names(nullptr);
  const std::wstring semicolon = names.KeyName(VK_OEM_1);
  EXPECT_FALSE(semicolon.empty());
  EXPECT_EQ(HotKeyDisplayName(MOD_CONTROL | MOD_SHIFT, VK_OEM_1), L"Ctrl+Shift+" + semicolon);
  EXPECT_EQ(HotKeyDisplayName(MOD_WIN, VK_F5), L"Win+F5");
}

}  // namespace
}  // namespace notch
