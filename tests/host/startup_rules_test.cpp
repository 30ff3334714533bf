#include "host/startup_rules.h"

#include <gtest/gtest.h>

#include "host/caps_lock_edge.h"
#include "host/hot_key_state.h"

namespace notch {
namespace {

TEST(StartupRulesTest, ExecutableFolderDropsTheFileAndItsBackslash) {
  EXPECT_EQ(ExecutableFolderFromPath(L"C:\\Tools\\Tembo\\TemboNotch.exe"), L"C:\\Tools\\Tembo");
  EXPECT_EQ(ExecutableFolderFromPath(L"C:\\TemboNotch.exe"), L"C:");
  EXPECT_EQ(ExecutableFolderFromPath(L""), L"");
  EXPECT_EQ(ExecutableFolderFromPath(std::wstring(kStartupPathChars, L'a')), L"");
}

TEST(StartupRulesTest, SymbolsOverrideNeedsANonEmptyValue) {
  EXPECT_EQ(SymbolsFolderFromVariable(std::nullopt), L"");
  EXPECT_EQ(SymbolsFolderFromVariable(std::wstring()), L"");
  EXPECT_EQ(SymbolsFolderFromVariable(std::wstring(L"D:\\icons")), L"D:\\icons");
  EXPECT_EQ(SymbolsFolderFromVariable(std::wstring(kStartupPathChars, L'a')), L"");
}

TEST(StartupRulesTest, SessionLockForcesTheFullScreenCheckUntilUnlock) {
  bool locked = false;
  EXPECT_TRUE(ApplySessionChange(kSessionLock, locked));
  EXPECT_TRUE(locked);
  EXPECT_TRUE(ApplySessionChange(5, locked));  // another code keeps the current flag
  EXPECT_FALSE(ApplySessionChange(kSessionUnlock, locked));
  EXPECT_FALSE(locked);
  EXPECT_FALSE(ApplySessionChange(5, locked));
}

TEST(CapsLockEdgeTest, OnePressOneNotification) {
  CapsLockEdge edge;
  EXPECT_TRUE(edge.OnCapsLockEvent(true, true));
  EXPECT_FALSE(edge.OnCapsLockEvent(true, true));  // auto-repeat
  EXPECT_FALSE(edge.OnCapsLockEvent(true, true));
  EXPECT_FALSE(edge.OnCapsLockEvent(false, true));
  EXPECT_TRUE(edge.OnCapsLockEvent(true, true));
}

TEST(CapsLockEdgeTest, APressWhileTheIslandCannotTakeItIsStillRemembered) {
  CapsLockEdge edge;
  EXPECT_FALSE(edge.OnCapsLockEvent(true, false));
  EXPECT_FALSE(edge.OnCapsLockEvent(true, true));  // still the same press
  EXPECT_FALSE(edge.OnCapsLockEvent(false, true));
  EXPECT_TRUE(edge.OnCapsLockEvent(true, true));
}

TEST(HotKeyStateTest, IdsDispatchToTheirActions) {
  HotKeyState state;
  EXPECT_EQ(ActionForHotKey(state, kToggleHotKeyId), HotKeyAction::ToggleIsland);
  EXPECT_EQ(ActionForHotKey(state, 2), HotKeyAction::None);  // not registered
  state.search_registered = true;
  EXPECT_EQ(ActionForHotKey(state, 2), HotKeyAction::OpenQuickSearch);
  EXPECT_EQ(ActionForHotKey(state, 3), HotKeyAction::None);
  state.search_id = 3;
  EXPECT_EQ(ActionForHotKey(state, 3), HotKeyAction::OpenQuickSearch);
  EXPECT_EQ(ActionForHotKey(state, 2), HotKeyAction::None);
}

}  // namespace
}  // namespace notch
