#include "host/tray_menu.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/ini_document.h"
#include "host/custom_delay.h"

namespace notch {
namespace {

using Kind = TrayMenuEntry::Kind;

// One line per entry: "id text" with "*" for a check, "-" for a separator,
// "> text" for a submenu followed by its items indented.
void Describe(const std::vector<TrayMenuEntry>& entries, const std::string& indent, std::vector<std::wstring>& out) {
  for (const TrayMenuEntry& entry : entries) {
    const std::wstring prefix(indent.begin(), indent.end());
    switch (entry.kind) {
      case Kind::Separator:
        out.push_back(prefix + L"-");
        break;
      case Kind::Submenu:
        out.push_back(prefix + L"> " + entry.text);
        Describe(entry.items, indent + "  ", out);
        break;
      case Kind::Item:
        out.push_back(prefix + std::to_wstring(entry.id) + L" " + entry.text + (entry.checked ? L" *" : L""));
        break;
    }
  }
}

std::vector<std::wstring> Describe(const std::vector<TrayMenuEntry>& entries) {
  std::vector<std::wstring> out;
  Describe(entries, "", out);
  return out;
}

class RecordingActions final : public TrayActions {
 public:
  std::vector<std::string> calls;
  int dialog_answer = 0;
  std::optional<int> dialog_shown_with;
  bool start_with_windows_succeeds = true;
  std::optional<bool> start_with_windows_set;

  void ApplySettings() override { calls.push_back("apply"); }
  void OpenQuickSearch() override { calls.push_back("quick search"); }
  void OpenQuickControls() override { calls.push_back("quick controls"); }
  void ToggleIsland() override { calls.push_back("toggle"); }
  void Exit() override { calls.push_back("exit"); }
  int AskAutoHideSeconds(int current_seconds) override {
    dialog_shown_with = current_seconds;
    return dialog_answer;
  }
  bool SetStartWithWindows(bool on) override {
    start_with_windows_set = on;
    return start_with_windows_succeeds;
  }
  void ReportStartWithWindowsFailure() override { calls.push_back("startup failure message"); }
};

class TrayMenuTest : public ::testing::Test {
 protected:
  void Load(std::wstring_view text) { file_ = IniDocument::Parse(text); }
  std::vector<std::wstring> Menu(TrayMenuVariant variant = TrayMenuVariant::Full) {
    return Describe(BuildTrayMenu(variant, settings_, state_));
  }
  std::vector<std::wstring> AutoHideItems() {
    for (const TrayMenuEntry& entry : BuildTrayMenu(TrayMenuVariant::Full, settings_, state_)) {
      if (entry.kind == Kind::Submenu) return Describe(entry.items);
    }
    return {};
  }
  void Choose(int id) { PerformTrayItem(id, settings_, state_, actions_); }
  std::wstring Value(std::wstring_view key) { return file_.Read(kSettingsSection, key, L"<missing>"); }

  IniDocument file_;
  Settings settings_{file_};
  TrayMenuState state_;
  RecordingActions actions_;
};

TEST_F(TrayMenuTest, FullMenuWithDefaultsAndBothHotKeys) {
  state_.toggle_hot_key_registered = true;
  state_.search_hot_key_name = L"Alt+Space";
  const std::vector<std::wstring> expected = {
      L"1 Notch *",
      L"2 Pill",
      L"3 Activity only",
      L"-",
      L"4 Sequoia *",
      L"5 Tahoe",
      L"6 Golden Gate",
      L"7 Leopard",
      L"-",
      L"8 Open on hover",
      L"> &Auto-hide",
      L"  13 &Off *",
      L"  14 &10 seconds",
      L"  15 &20 seconds",
      L"  16 &Custom...",
      L"9 Show volume *",
      L"10 Show Windows notifications *",
      L"11 Show lyrics *",
      L"12 Start with &Windows",
      L"-",
      L"19 Quick Search\tAlt+Space",
      L"18 Quick Controls",
      L"17 Show / hide notch\tCtrl+Alt+N",
      L"20 Exit",
  };
  EXPECT_EQ(Menu(), expected);
}

TEST_F(TrayMenuTest, ItemsWithoutTheirHotKeyHaveNoShortcutText) {
  const auto menu = Menu();
  EXPECT_EQ(menu[menu.size() - 4], L"19 Quick Search");
  EXPECT_EQ(menu[menu.size() - 2], L"17 Show / hide notch");
}

TEST_F(TrayMenuTest, ChecksFollowTheExactValues) {
  Load(
      L"[Notch]\nilha_estilo=Ilha\nilha_volume=yes\nilha_notificacoes=0\nlyrics=2\nilha_passar=1\n"
      L"liquid_glass=1\ngolden_gate=1\n");
  state_.start_with_windows = true;
  const auto menu = Menu();
  EXPECT_EQ(menu[0], L"1 Notch");  // an unknown style reads as Notch, but no item claims it
  EXPECT_EQ(menu[1], L"2 Pill");
  EXPECT_EQ(menu[6], L"6 Golden Gate *");
  EXPECT_EQ(menu[9], L"8 Open on hover *");
  EXPECT_EQ(menu[15], L"9 Show volume");  // shown, yet only "1" checks the item
  EXPECT_EQ(menu[16], L"10 Show Windows notifications");
  EXPECT_EQ(menu[17], L"11 Show lyrics");
  EXPECT_EQ(menu[18], L"12 Start with &Windows *");
}

TEST_F(TrayMenuTest, CustomDelayShowsItsNumberAndPresetsCheckThemselves) {
  state_.auto_hide_seconds = 15;
  EXPECT_EQ(AutoHideItems(), (std::vector<std::wstring>{L"13 &Off", L"14 &10 seconds", L"15 &20 seconds",
                                                        L"16 &Custom (15 seconds)... *"}));
  state_.auto_hide_seconds = 10;
  EXPECT_EQ(AutoHideItems(),
            (std::vector<std::wstring>{L"13 &Off", L"14 &10 seconds *", L"15 &20 seconds", L"16 &Custom..."}));
  state_.auto_hide_seconds = 20;
  EXPECT_EQ(AutoHideItems()[2], L"15 &20 seconds *");
}

TEST_F(TrayMenuTest, PanelVariantsHoldOnlyTheirItems) {
  Load(L"[Notch]\nleopard=1\n");
  state_.auto_hide_seconds = 3600;
  EXPECT_EQ(Menu(TrayMenuVariant::Theme),
            (std::vector<std::wstring>{L"4 Sequoia", L"5 Tahoe", L"6 Golden Gate", L"7 Leopard *"}));
  EXPECT_EQ(
      Menu(TrayMenuVariant::AutoHide),
      (std::vector<std::wstring>{L"13 &Off", L"14 &10 seconds", L"15 &20 seconds", L"16 &Custom (3600 seconds)... *"}));
}

struct SettingsItemCase {
  int id;
  const wchar_t* before;
  std::map<std::wstring, std::wstring> after;
};

TEST_F(TrayMenuTest, SettingsItemsWriteTheirKeysAndApply) {
  const std::vector<SettingsItemCase> cases = {
      {1, L"ilha_estilo=ilha", {{L"ilha_estilo", L"notch"}}},
      {2, L"", {{L"ilha_estilo", L"ilha"}}},
      {3, L"", {{L"ilha_estilo", L"notificacao"}}},
      {4, L"liquid_glass=1\ngolden_gate=1", {{L"liquid_glass", L"0"}, {L"golden_gate", L"0"}, {L"leopard", L"0"}}},
      {5, L"", {{L"liquid_glass", L"1"}, {L"golden_gate", L"0"}, {L"leopard", L"0"}}},
      {6, L"", {{L"liquid_glass", L"1"}, {L"golden_gate", L"1"}, {L"leopard", L"0"}}},
      {7, L"", {{L"liquid_glass", L"0"}, {L"golden_gate", L"0"}, {L"leopard", L"1"}}},
      {8, L"", {{L"ilha_passar", L"1"}}},
      {8, L"ilha_passar=1", {{L"ilha_passar", L"0"}}},
      {9, L"", {{L"ilha_volume", L"0"}}},
      {9, L"ilha_volume=yes", {{L"ilha_volume", L"1"}}},
      {10, L"ilha_notificacoes=0", {{L"ilha_notificacoes", L"1"}}},
      {11, L"", {{L"lyrics", L"0"}}},
      {11, L"lyrics=2", {{L"lyrics", L"1"}}},
      {13, L"auto_hide_seconds=15", {{L"auto_hide_seconds", L"0"}}},
      {14, L"", {{L"auto_hide_seconds", L"10"}}},
      {15, L"", {{L"auto_hide_seconds", L"20"}}},
  };
  for (const SettingsItemCase& item : cases) {
    Load(std::wstring(L"[Notch]\n") + item.before + L"\n");
    actions_.calls.clear();
    Choose(item.id);
    for (const auto& [key, value] : item.after)
      EXPECT_EQ(Value(key), value) << "item " << item.id << " " << item.before;
    EXPECT_EQ(actions_.calls, std::vector<std::string>{"apply"}) << "item " << item.id;
  }
}

TEST_F(TrayMenuTest, CustomDelayAsksWithTheCurrentValueAndWritesOnlyAnAnswer) {
  state_.auto_hide_seconds = 15;
  Choose(tray_item::kAutoHideCustom);
  EXPECT_EQ(actions_.dialog_shown_with, 15);
  EXPECT_EQ(Value(setting::kAutoHideSeconds), L"<missing>");  // cancelled
  EXPECT_TRUE(actions_.calls.empty());

  actions_.dialog_answer = 3600;
  Choose(tray_item::kAutoHideCustom);
  EXPECT_EQ(Value(setting::kAutoHideSeconds), L"3600");
  EXPECT_EQ(actions_.calls, std::vector<std::string>{"apply"});
}

TEST_F(TrayMenuTest, StartWithWindowsSwitchesFromWhatTheMenuShowed) {
  Choose(tray_item::kStartWithWindows);
  EXPECT_EQ(actions_.start_with_windows_set, true);
  EXPECT_TRUE(actions_.calls.empty());

  state_.start_with_windows = true;
  actions_.start_with_windows_succeeds = false;
  Choose(tray_item::kStartWithWindows);
  EXPECT_EQ(actions_.start_with_windows_set, false);
  EXPECT_EQ(actions_.calls, std::vector<std::string>{"startup failure message"});
  EXPECT_TRUE(file_.ToText().empty());
}

TEST_F(TrayMenuTest, CommandsLeaveTheSettingsAlone) {
  for (const auto& [id, call] :
       {std::pair{tray_item::kQuickSearch, "quick search"}, std::pair{tray_item::kQuickControls, "quick controls"},
        std::pair{tray_item::kToggleIsland, "toggle"}, std::pair{tray_item::kExit, "exit"}}) {
    actions_.calls.clear();
    Choose(id);
    EXPECT_EQ(actions_.calls, std::vector<std::string>{call});
  }
  actions_.calls.clear();
  Choose(0);  // dismissed
  Choose(21);
  EXPECT_TRUE(actions_.calls.empty());
  EXPECT_TRUE(file_.ToText().empty());
}

TEST(CustomDelayTest, StartsAtTheCurrentDelayOrTenAndAcceptsOneSecondToAnHour) {
  EXPECT_EQ(CustomDelayInitialValue(15), 15);
  EXPECT_EQ(CustomDelayInitialValue(0), 10);
  EXPECT_EQ(ParseCustomDelay(L"1"), 1);
  EXPECT_EQ(ParseCustomDelay(L"3600"), 3600);
  for (const wchar_t* refused : {L"", L"0", L"3601", L"12a"}) {
    EXPECT_EQ(ParseCustomDelay(refused), std::nullopt) << refused;
  }
}

}  // namespace
}  // namespace notch
