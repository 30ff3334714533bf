#include "panel/search_settings_page.h"

#include <gtest/gtest.h>

#include "search_fakes.h"

namespace notch::quick {
namespace {

using testing::SearchRig;

constexpr int kVkControl = 17, kVkLeftControl = 162, kVkLeftWin = 91, kVkEscape = 27, kVkK = 'K';

class SearchSettingsPageTest : public testing::EnglishTextsTest {
 protected:
  SearchRig rig;
  QuickPanel& panel = rig.panel;
  testing::FakeSearchView& view = rig.view;
  testing::FakeSearchPorts& ports = rig.ports;

  void OpenPage() {
    panel.OpenPanelAt(Page::SearchSettings);
    rig.Open();
  }
  std::wstring Status() const { return rig.window.Text(control::kStatus); }
  std::wstring Text(int id) const { return rig.window.Text(id); }
};

TEST_F(SearchSettingsPageTest, PageHoldsTheShortcutButtonsBrowserListAndFallback) {
  const PageLayout layout = BuildPage(Page::SearchSettings, {});
  auto find = [&layout](int id) {
    for (const PanelControl& c : layout.controls) {
      if (c.id == id) return c;
    }
    return PanelControl{};
  };
  EXPECT_EQ(layout.size, (PanelSize{372, 326}));
  EXPECT_EQ(find(control::kAltSpace).rect, (DipRect{20, 82, 98, 32}));
  EXPECT_EQ(find(control::kCtrlAltSpace).text, L"Ctrl+Alt+Space");
  EXPECT_EQ(find(control::kCustomShortcut).rect, (DipRect{256, 82, 96, 32}));
  EXPECT_EQ(find(control::kList).rect, (DipRect{20, 148, 332, 96}));
  EXPECT_EQ(find(control::kAct).text, L"Use app");
  EXPECT_EQ(find(control::kBrowse).rect, (DipRect{116, 256, 126, 30}));
  EXPECT_EQ(find(control::kFallback).rect, (DipRect{248, 256, 108, 30}));
  EXPECT_EQ(find(control::kStatus).text, L"Shortcuts: yt, gpt, opus, g, gh, ddg, w, maps, r");
  EXPECT_EQ(CustomShortcutShownText(L"Custom shortcut"), L"Custom\u2026");
  EXPECT_EQ(CustomShortcutShownText(L"Ctrl+K"), L"Ctrl+K");
}

TEST_F(SearchSettingsPageTest, PresetsRegisterAndMarkTheirButton) {
  OpenPage();
  EXPECT_EQ(Text(control::kCustomShortcut), L"Custom\u2026");
  EXPECT_TRUE(panel.ButtonSelected(control::kCtrlAltSpace));
  EXPECT_FALSE(panel.ButtonSelected(control::kAltSpace));
  panel.Command(control::kAltSpace);
  EXPECT_EQ(ports.registered, (std::vector<HotKeyCombination>{{kModAlt, kVkSpace}}));
  EXPECT_EQ(Status(), L"Quick Search shortcut: Alt+Space");
  EXPECT_TRUE(panel.ButtonSelected(control::kAltSpace));
  EXPECT_FALSE(panel.ButtonSelected(control::kCustomShortcut));
  panel.Command(control::kCtrlAltSpace);
  EXPECT_EQ(ports.registered.back(), (HotKeyCombination{kModAlt | kModControl, kVkSpace}));
  // Any other combination marks the Custom button and names the shortcut.
  ports.hot_key = {kModShift, 'P'};
  panel.SetupPage(Page::SearchSettings);
  EXPECT_EQ(Text(control::kCustomShortcut), L"Shift+P");
  EXPECT_TRUE(panel.ButtonSelected(control::kCustomShortcut));
  EXPECT_FALSE(panel.ButtonSelected(control::kAltSpace));
}

TEST_F(SearchSettingsPageTest, CaptureSwallowsModifiersThenRegistersTheCombination) {
  OpenPage();
  EXPECT_FALSE(panel.CaptureKey(kVkK, false, true, false));  // not capturing yet
  panel.Command(control::kCustomShortcut);
  EXPECT_TRUE(panel.search_settings().capturing());
  EXPECT_EQ(Text(control::kCustomShortcut), L"Press keys\u2026");
  EXPECT_EQ(Status(), L"Press your shortcut combination (Esc cancels)\u2026");
  EXPECT_EQ(rig.window.focused, control::kCustomShortcut);
  EXPECT_TRUE(panel.ButtonSelected(control::kCustomShortcut));
  EXPECT_FALSE(panel.ButtonSelected(control::kCtrlAltSpace));

  for (int modifier : {kVkControl, kVkLeftControl, kVkLeftWin, 16, 18, 165}) {
    EXPECT_TRUE(panel.CaptureKey(modifier, false, true, false));
  }
  EXPECT_TRUE(ports.registered.empty());
  EXPECT_TRUE(panel.search_settings().capturing());

  EXPECT_TRUE(panel.CaptureKey(kVkK, false, true, true));
  EXPECT_EQ(ports.registered, (std::vector<HotKeyCombination>{{kModControl | kModShift, kVkK}}));
  EXPECT_FALSE(panel.search_settings().capturing());
  EXPECT_EQ(Text(control::kCustomShortcut), L"Ctrl+Shift+K");
  EXPECT_EQ(Status(), L"Quick Search shortcut: Ctrl+Shift+K");
  // Keys pass through again once capture ended.
  EXPECT_FALSE(panel.CaptureKey(kVkK, false, true, false));
}

TEST_F(SearchSettingsPageTest, AKeyWithoutModifiersKeepsCapturingAndEscCancels) {
  OpenPage();
  panel.Command(control::kCustomShortcut);
  EXPECT_TRUE(panel.CaptureKey(kVkK, false, false, false));
  EXPECT_EQ(Status(), L"Include Ctrl, Alt, or Shift with your key.");
  EXPECT_TRUE(panel.search_settings().capturing());
  EXPECT_TRUE(panel.CaptureKey(kVkEscape, false, false, false));
  EXPECT_FALSE(panel.search_settings().capturing());
  EXPECT_EQ(Status(), L"Shortcut capture canceled.");
  EXPECT_EQ(Text(control::kCustomShortcut), L"Custom\u2026");
  EXPECT_EQ(panel.page(), Page::SearchSettings);  // Esc did not leave the page
  EXPECT_TRUE(ports.registered.empty());
  // Pressing the button again while capturing stops it too.
  panel.Command(control::kCustomShortcut);
  panel.Command(control::kCustomShortcut);
  EXPECT_FALSE(panel.search_settings().capturing());
  EXPECT_EQ(Status(), L"");
  // Leaving the page ends a capture.
  panel.Command(control::kCustomShortcut);
  panel.Command(control::kBack);
  EXPECT_FALSE(panel.search_settings().capturing());
}

TEST_F(SearchSettingsPageTest, FallbackCyclesAndAnUnknownValueCountsAsGoogle) {
  ports.settings[L"search_web_fallback"] = L"bing";
  OpenPage();
  EXPECT_EQ(Text(control::kFallback), L"Google");
  panel.Command(control::kFallback);
  EXPECT_EQ(ports.settings[L"search_web_fallback"], L"yt");
  EXPECT_EQ(Text(control::kFallback), L"YouTube");
  EXPECT_EQ(Status(), L"Default fallback web search updated.");
  panel.Command(control::kFallback);
  EXPECT_EQ(Text(control::kFallback), L"DDG");
  panel.Command(control::kFallback);
  EXPECT_EQ(ports.settings[L"search_web_fallback"], L"g");
  EXPECT_EQ(Text(control::kFallback), L"Google");
}

TEST_F(SearchSettingsPageTest, BrowserListMarksTheActiveEntryAndChoosingOneWritesBothKeys) {
  ports.settings[L"search_browser"] = L"c:\\program files\\mozilla firefox\\FIREFOX.exe";
  ports.settings[L"search_browser_name"] = L"Firefox";
  OpenPage();
  ASSERT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(view.rows[0].title, L"Follows Windows default browser");
  EXPECT_EQ(view.rows[1].right, L"Active");
  EXPECT_EQ(view.rows[0].right, L"");
  EXPECT_EQ(view.selection, 1);
  EXPECT_FALSE(rig.window.enabled[control::kAct]);

  view.selection = 2;
  panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  EXPECT_EQ(ports.settings[L"search_browser"], L"C:\\Program Files\\Microsoft\\Edge\\msedge.exe");
  EXPECT_EQ(ports.settings[L"search_browser_name"], L"Microsoft Edge");
  EXPECT_EQ(Status(), L"Web searches & links will open in Microsoft Edge.");
  EXPECT_EQ(view.rows[2].right, L"Active");
  EXPECT_EQ(view.selection, 2);

  view.selection = 0;
  panel.Command(control::kList, QuickPanel::Notification::ListDoubleClick);
  EXPECT_EQ(ports.settings[L"search_browser"], L"");
  EXPECT_EQ(ports.settings[L"search_browser_name"], L"");
  EXPECT_EQ(Status(), L"Web searches & links will open in your Windows default browser.");
  EXPECT_EQ(view.rows[0].right, L"Active");

  // Choosing the active entry again writes nothing.
  const std::size_t writes = ports.writes.size();
  panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  EXPECT_EQ(ports.writes.size(), writes);

  ports.browsers.clear();
  panel.SetupPage(Page::SearchSettings);
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.placeholder, L"No browsers found.");
  EXPECT_FALSE(rig.window.enabled[control::kAct]);
}

TEST_F(SearchSettingsPageTest, BrowseKeepsThePanelOpenDuringTheDialogAndAppliesTheProgram) {
  OpenPage();
  bool held_during_dialog = false;
  view.during_dialog = [&] { held_during_dialog = panel.HoldsIsland(); };
  panel.Command(control::kBrowse);  // cancelled
  EXPECT_TRUE(held_during_dialog);
  EXPECT_FALSE(panel.HoldsIsland());
  EXPECT_TRUE(ports.writes.empty());

  view.chosen_program = L"D:\\Apps\\Vivaldi\\vivaldi.exe";
  panel.Command(control::kBrowse);
  EXPECT_EQ(ports.settings[L"search_browser"], L"D:\\Apps\\Vivaldi\\vivaldi.exe");
  EXPECT_EQ(ports.settings[L"search_browser_name"], L"Name of vivaldi.exe");
  EXPECT_EQ(Status(), L"Web searches & links will open in Name of vivaldi.exe.");
}

}  // namespace
}  // namespace notch::quick
