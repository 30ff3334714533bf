#include "host/hot_keys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "common/ini_document.h"
#include "support/log_capture.h"

namespace notch {
namespace {

constexpr unsigned long kErrorHotKeyAlreadyRegistered = 1409;
constexpr int kVkOem1 = 0xBA;

// The system's hot-key table as one process sees it: combinations other
// programs own, and the ids this program holds.
class FakeRegistrar final : public HotKeyRegistrar {
 public:
  bool has_window = true;
  std::set<std::pair<int, int>> taken;  // (modifiers without no-repeat, key)
  std::map<int, std::pair<int, int>> held;
  int register_calls = 0;
  std::vector<int> unregistered;

  bool HasWindow() const override { return has_window; }
  bool Register(int id, int modifiers, int key) override {
    ++register_calls;
    EXPECT_TRUE(modifiers & kModNoRepeat) << "registered without MOD_NOREPEAT";
    const std::pair combination{modifiers & ~kModNoRepeat, key};
    bool owned_by_us = false;
    for (const auto& [held_id, held_combination] : held) owned_by_us |= held_combination == combination;
    if (taken.contains(combination) || owned_by_us || held.contains(id)) {
      last_error_ = kErrorHotKeyAlreadyRegistered;
      return false;
    }
    held[id] = combination;
    return true;
  }
  void Unregister(int id) override {
    unregistered.push_back(id);
    held.erase(id);
  }
  unsigned long LastError() const override { return last_error_; }
  std::wstring KeyName(int key) const override { return key == kVkOem1 ? L";" : L""; }

 private:
  unsigned long last_error_ = 0;
};

class HotKeysTest : public ::testing::Test {
 protected:
  void Load(std::wstring_view text) { file_ = IniDocument::Parse(text); }
  std::wstring Saved(std::wstring_view key) { return file_.Read(kSettingsSection, key, L"<missing>"); }
  std::pair<int, int> Search() const { return {state_.search_modifiers, state_.search_key}; }

  IniDocument file_;
  Settings settings_{file_};
  FakeRegistrar registrar_;
  HotKeyState state_;
  testing::LogCapture log_;
};

TEST_F(HotKeysTest, StartupRegistersCtrlAltNAndAltSpace) {
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  EXPECT_TRUE(state_.toggle_registered);
  EXPECT_TRUE(state_.search_registered);
  EXPECT_EQ(registrar_.held.at(kToggleHotKeyId), std::pair(kModControl | kModAlt, kVkN));
  EXPECT_EQ(registrar_.held.at(kSearchHotKeyId), std::pair(kModAlt, kVkSpace));
  EXPECT_THAT(log_.lines(), ::testing::IsEmpty());
}

TEST_F(HotKeysTest, TakenAltSpaceFallsBackToCtrlAltSpaceWhenNothingWasSaved) {
  registrar_.taken = {{kModAlt, kVkSpace}};
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  EXPECT_TRUE(state_.search_registered);
  EXPECT_EQ(state_.search_id, kSearchHotKeyId);
  EXPECT_EQ(Search(), std::pair(kModControl | kModAlt, kVkSpace));
  EXPECT_EQ(registrar_.held.at(kSearchHotKeyId), Search());
  EXPECT_THAT(log_.lines(), ::testing::IsEmpty());
  EXPECT_EQ(Saved(setting::kSearchHotKeyModifiers), L"<missing>");  // the fallback is not saved
}

TEST_F(HotKeysTest, SavedShortcutThatFailsGetsNoFallback) {
  Load(L"[Notch]\nsearch_hotkey_mod=2\nsearch_hotkey_vk=75\n");
  registrar_.taken = {{kModControl, 'K'}};
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  EXPECT_FALSE(state_.search_registered);
  EXPECT_EQ(Search(), std::pair(kModControl, int{'K'}));
  EXPECT_EQ(registrar_.held.size(), 1u);  // Ctrl+Alt+N only
  EXPECT_THAT(log_.lines(), ::testing::ElementsAre(L"Could not register search hotkey (1409)"));
}

TEST_F(HotKeysTest, SavedZeroOrGarbageMeansTheDefaultButStillNoFallback) {
  for (const wchar_t* text :
       {L"[Notch]\nsearch_hotkey_mod=0\nsearch_hotkey_vk=75\n", L"[Notch]\nsearch_hotkey_mod=2\nsearch_hotkey_vk=x\n",
        L"[Notch]\nsearch_hotkey_mod=99999999999\nsearch_hotkey_vk=75\n", L"[Notch]\nsearch_hotkey_vk=75\n"}) {
    Load(text);
    EXPECT_EQ(SavedSearchHotKey(settings_), std::nullopt) << text;
  }
  Load(L"[Notch]\nsearch_hotkey_mod=0\nsearch_hotkey_vk=0\n");
  registrar_.taken = {{kModAlt, kVkSpace}};
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  EXPECT_FALSE(state_.search_registered);
  EXPECT_EQ(Search(), std::pair(kModAlt, kVkSpace));
  EXPECT_THAT(log_.lines(), ::testing::ElementsAre(L"Could not register search hotkey (1409)"));
}

TEST_F(HotKeysTest, SavedNumbersReadLikeTheCLibrary) {
  Load(L"[Notch]\nsearch_hotkey_mod=6 \nsearch_hotkey_vk=+112abc\n");
  EXPECT_EQ(SavedSearchHotKey(settings_), (HotKeyCombination{kModControl | kModShift, kVkF1}));
}

TEST_F(HotKeysTest, EveryStartupFailureIsLoggedWithTheSystemError) {
  registrar_.taken = {{kModControl | kModAlt, kVkN}, {kModAlt, kVkSpace}, {kModControl | kModAlt, kVkSpace}};
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  EXPECT_FALSE(state_.toggle_registered);
  EXPECT_FALSE(state_.search_registered);
  EXPECT_EQ(Search(), std::pair(kModAlt, kVkSpace));
  EXPECT_THAT(log_.lines(), ::testing::ElementsAre(L"Could not register Ctrl+Alt+N (1409)",
                                                   L"Could not register search hotkey (1409)"));
}

TEST_F(HotKeysTest, NewShortcutMovesToTheOtherIdAndIsSaved) {
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  const auto result = SetSearchHotKey(state_, settings_, registrar_, kModControl | kModShift, 'K');
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.message, L"Search shortcut: Ctrl+Shift+K");
  EXPECT_EQ(state_.search_id, kSearchHotKeyOtherId);
  EXPECT_EQ(registrar_.held.at(kSearchHotKeyOtherId), std::pair(kModControl | kModShift, int{'K'}));
  EXPECT_FALSE(registrar_.held.contains(kSearchHotKeyId));
  EXPECT_EQ(Saved(setting::kSearchHotKeyModifiers), L"6");
  EXPECT_EQ(Saved(setting::kSearchHotKeyKey), L"75");

  // And back to id 2 on the next change.
  EXPECT_TRUE(SetSearchHotKey(state_, settings_, registrar_, kModAlt, kVkSpace).ok);
  EXPECT_EQ(state_.search_id, kSearchHotKeyId);
  EXPECT_EQ(registrar_.held.size(), 2u);
  EXPECT_EQ(ActionForHotKey(state_, kSearchHotKeyId), HotKeyAction::OpenQuickSearch);
  EXPECT_EQ(ActionForHotKey(state_, kSearchHotKeyOtherId), HotKeyAction::None);
}

TEST_F(HotKeysTest, SameShortcutAgainRewritesTheKeysWithoutRegistering) {
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  const int calls = registrar_.register_calls;
  const auto result = SetSearchHotKey(state_, settings_, registrar_, kModAlt, kVkSpace);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.message, L"Search shortcut: Alt+Space");
  EXPECT_EQ(registrar_.register_calls, calls);
  EXPECT_THAT(registrar_.unregistered, ::testing::IsEmpty());
  EXPECT_EQ(Saved(setting::kSearchHotKeyModifiers), L"1");
  EXPECT_EQ(Saved(setting::kSearchHotKeyKey), L"32");
}

TEST_F(HotKeysTest, ShortcutOwnedElsewhereIsRefusedAndTheOldOneKeepsWorking) {
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  registrar_.taken = {{kModControl | kModWin, kVkOem1}};
  const auto result = SetSearchHotKey(state_, settings_, registrar_, kModControl | kModWin, kVkOem1);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, L"Could not register Ctrl+Win+;. Try another shortcut.");
  EXPECT_TRUE(state_.search_registered);
  EXPECT_EQ(state_.search_id, kSearchHotKeyId);
  EXPECT_EQ(Search(), std::pair(kModAlt, kVkSpace));
  EXPECT_EQ(registrar_.held.at(kSearchHotKeyId), Search());
  EXPECT_EQ(Saved(setting::kSearchHotKeyModifiers), L"<missing>");
}

TEST_F(HotKeysTest, CurrentShortcutIsRegisteredAgainWhenStartupLostIt) {
  registrar_.taken = {{kModAlt, kVkSpace}, {kModControl | kModAlt, kVkSpace}};
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  ASSERT_FALSE(state_.search_registered);
  registrar_.taken.clear();  // the other program let go
  EXPECT_TRUE(SetSearchHotKey(state_, settings_, registrar_, kModAlt, kVkSpace).ok);
  EXPECT_TRUE(state_.search_registered);
  EXPECT_EQ(state_.search_id, kSearchHotKeyOtherId);
  EXPECT_THAT(registrar_.unregistered, ::testing::IsEmpty());  // nothing was held to give up
}

TEST_F(HotKeysTest, MissingModifierKeyOrWindowIsRefused) {
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  const int calls = registrar_.register_calls;
  for (const auto& [modifiers, key] : {std::pair{0, int{'K'}}, std::pair{kModControl, 0}}) {
    const auto result = SetSearchHotKey(state_, settings_, registrar_, modifiers, key);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, L"Press a modifier (Ctrl/Alt/Shift) + key.");
  }
  registrar_.has_window = false;
  EXPECT_FALSE(SetSearchHotKey(state_, settings_, registrar_, kModControl, 'K').ok);
  EXPECT_EQ(registrar_.register_calls, calls);
  EXPECT_EQ(Saved(setting::kSearchHotKeyKey), L"<missing>");
}

TEST_F(HotKeysTest, ShutdownGivesUpWhatIsHeld) {
  registrar_.taken = {{kModControl | kModAlt, kVkN}};
  RegisterHotKeysAtStartup(state_, settings_, registrar_);
  SetSearchHotKey(state_, settings_, registrar_, kModShift, kVkF1);
  registrar_.unregistered.clear();
  UnregisterHotKeys(state_, registrar_);
  EXPECT_THAT(registrar_.unregistered, ::testing::ElementsAre(kSearchHotKeyOtherId));
  EXPECT_FALSE(state_.search_registered);
  EXPECT_EQ(ActionForHotKey(state_, kSearchHotKeyOtherId), HotKeyAction::None);
  EXPECT_EQ(RegisteredSearchHotKeyName(state_, registrar_), std::nullopt);
}

TEST(HotKeyDisplayNameTest, ModifiersInFixedOrderThenTheKey) {
  const FakeRegistrar names;
  EXPECT_EQ(HotKeyDisplayName(kModWin | kModShift | kModAlt | kModControl, kVkSpace, names),
            L"Ctrl+Alt+Shift+Win+Space");
  EXPECT_EQ(HotKeyDisplayName(kModAlt, kVkReturn, names), L"Alt+Enter");
  EXPECT_EQ(HotKeyDisplayName(kModShift, kVkTab, names), L"Shift+Tab");
  EXPECT_EQ(HotKeyDisplayName(kModControl, '7', names), L"Ctrl+7");
  EXPECT_EQ(HotKeyDisplayName(kModControl, 'Z', names), L"Ctrl+Z");
  EXPECT_EQ(HotKeyDisplayName(kModAlt, kVkF1, names), L"Alt+F1");
  EXPECT_EQ(HotKeyDisplayName(kModAlt, kVkF12, names), L"Alt+F12");
  EXPECT_EQ(HotKeyDisplayName(kModAlt, kVkF12 + 1, names), L"Alt+Key 0x7C");  // F13: the layout has no name
  EXPECT_EQ(HotKeyDisplayName(kModAlt, kVkOem1, names), L"Alt+;");
}

}  // namespace
}  // namespace notch
