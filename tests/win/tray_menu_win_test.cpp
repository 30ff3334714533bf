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

// The popup holds exactly the model's entries, in order, submenus included.
void ExpectMirrors(HMENU menu, const std::vector<TrayMenuEntry>& entries) {
  ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(entries.size()));
  for (std::size_t position = 0; position < entries.size(); ++position) {
    const TrayMenuEntry& entry = entries[position];
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 128;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    switch (entry.kind) {
      case TrayMenuEntry::Kind::Separator:
        EXPECT_TRUE(info.fType & MFT_SEPARATOR) << position;
        break;
      case TrayMenuEntry::Kind::Submenu:
        EXPECT_EQ(text, entry.text);
        ASSERT_NE(info.hSubMenu, nullptr) << position;
        ExpectMirrors(info.hSubMenu, entry.items);
        break;
      case TrayMenuEntry::Kind::Item:
        EXPECT_EQ(static_cast<int>(info.wID), entry.id);
        EXPECT_EQ(text, entry.text);
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, entry.checked) << entry.id;
        EXPECT_EQ(info.hSubMenu, nullptr) << entry.id;
        break;
    }
  }
}

TEST(TrayMenuWinTest, PopupMirrorsTheModelInEveryVariant) {
  IniDocument file = IniDocument::Parse(L"[Notch]\nilha_estilo=ilha\nliquid_glass=1\nlyrics=0\n");
  const Settings settings(file);
  TrayMenuState state;
  state.auto_hide_seconds = 15;
  state.start_with_windows = true;
  state.toggle_hot_key_registered = true;
  state.search_hot_key_name = L"Ctrl+Alt+Space";
  for (const TrayMenuVariant variant : {TrayMenuVariant::Full, TrayMenuVariant::Theme, TrayMenuVariant::AutoHide}) {
    const auto entries = BuildTrayMenu(variant, settings, state);
    const HMENU menu = CreateTrayPopupMenu(entries);
    ASSERT_NE(menu, nullptr);
    ExpectMirrors(menu, entries);
    DestroyMenu(menu);
  }
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
