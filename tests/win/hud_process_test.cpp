// HUDs in the running TemboNotch.exe: a Caps Lock press typed on the
// keyboard grows the island to the HUD's width, and it falls back after the
// HUD's time.
#include <windows.h>

#include <gtest/gtest.h>

#include "message_pump.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

void TypeCapsLock(bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_CAPITAL;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// The width of the island window's region in pixels; the region follows the
// shape as it animates.
int RegionWidth(HWND island) {
  RECT box{};
  return GetWindowRgnBox(island, &box) == ERROR ? 0 : box.right - box.left;
}

TEST(HudProcessTest, ACapsLockPressShowsTheHud) {
  // The notch: 184 wide at rest, 316 with a HUD.
  testing::ScopedSettingsFile settings("[Notch]\nilha_estilo=notch\n");
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  const HWND island = testing::FindProcessWindow(L"ShellIlha", program.id());
  ASSERT_NE(island, nullptr);
  ASSERT_TRUE(testing::PumpUntil([&] { return RegionWidth(island) > 0 && RegionWidth(island) < 250; }));
  const int rest = RegionWidth(island);

  TypeCapsLock(false);
  TypeCapsLock(true);
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionWidth(island) >= 316; }));
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionWidth(island) == rest; }));

  // Put the Caps Lock state back as it was.
  TypeCapsLock(false);
  TypeCapsLock(true);
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionWidth(island) >= 316; }));
  EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
}  // namespace notch
