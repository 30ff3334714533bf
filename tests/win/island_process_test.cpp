// The island inside TemboNotch.exe: it appears at start, and Ctrl+Alt+N typed
// on the keyboard hides and shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include "key_chord.h"
#include "message_pump.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

TEST(IslandProcessTest, CtrlAltNHidesAndShowsTheIsland) {
  testing::ScopedSettingsFile defaults;
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
  ASSERT_NE(island, nullptr);
  EXPECT_TRUE(IsWindowVisible(island));

  testing::PressChord({VK_CONTROL, VK_MENU, 'N'});
  EXPECT_TRUE(testing::PumpUntil([&] { return !IsWindowVisible(island); }));
  testing::PressChord({VK_CONTROL, VK_MENU, 'N'});
  EXPECT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(island) != FALSE; }));

  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace notch
