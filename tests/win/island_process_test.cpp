// The island inside TemboNotch.exe: it appears at start, and Ctrl+Alt+N typed
// on the keyboard hides and shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "message_pump.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

void PressCtrlAltN() {
  std::vector<INPUT> inputs;
  const auto key = [&inputs](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  key(VK_CONTROL, false);
  key(VK_MENU, false);
  key('N', false);
  key('N', true);
  key(VK_MENU, true);
  key(VK_CONTROL, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST(IslandProcessTest, CtrlAltNHidesAndShowsTheIsland) {
  testing::ScopedSettingsFile defaults;
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
  ASSERT_NE(island, nullptr);
  EXPECT_TRUE(IsWindowVisible(island));

  PressCtrlAltN();
  EXPECT_TRUE(testing::PumpUntil([&] { return !IsWindowVisible(island); }));
  PressCtrlAltN();
  EXPECT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(island) != FALSE; }));

  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace notch
