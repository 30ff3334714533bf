// TemboNotch.exe's global hot keys as another program sees them: a
// combination it holds cannot be registered elsewhere.
#include <windows.h>

#include <gtest/gtest.h>

#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

constexpr int kProbeId = 0xB000;

// Whether this process can register the combination right now (and lets go
// of it again at once).
bool Free(UINT modifiers, UINT key) {
  if (!RegisterHotKey(nullptr, kProbeId, modifiers | MOD_NOREPEAT, key)) return false;
  UnregisterHotKey(nullptr, kProbeId);
  return true;
}

class HeldHotKey {
 public:
  HeldHotKey(UINT modifiers, UINT key) : held_(RegisterHotKey(nullptr, kProbeId + 1, modifiers, key) != FALSE) {}
  ~HeldHotKey() {
    if (held_) UnregisterHotKey(nullptr, kProbeId + 1);
  }
  HeldHotKey(const HeldHotKey&) = delete;
  HeldHotKey& operator=(const HeldHotKey&) = delete;
  bool held() const { return held_; }

 private:
  bool held_;
};

TEST(HotKeysProcessTest, TakenAltSpaceMakesQuickSearchFallBackToCtrlAltSpace) {
  testing::ScopedSettingsFile no_saved_shortcut;
  const HeldHotKey alt_space(MOD_ALT, VK_SPACE);
  ASSERT_TRUE(alt_space.held());
  ASSERT_TRUE(Free(MOD_CONTROL | MOD_ALT, VK_SPACE));
  ASSERT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'N'));

  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT, VK_SPACE));
  EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT, 'N'));
  EXPECT_EQ(program.Close(), 0u);

  EXPECT_TRUE(Free(MOD_CONTROL | MOD_ALT, VK_SPACE));
  EXPECT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'N'));
}

TEST(HotKeysProcessTest, SavedShortcutIsRegisteredAndAltSpaceLeftAlone) {
  testing::ScopedSettingsFile saved("[Notch]\r\nsearch_hotkey_mod=6\r\nsearch_hotkey_vk=75\r\n");
  testing::TemboNotchProcess program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.WaitUntilIdle());
  EXPECT_FALSE(Free(MOD_CONTROL | MOD_SHIFT, 'K'));
  EXPECT_TRUE(Free(MOD_ALT, VK_SPACE));
  EXPECT_EQ(program.Close(), 0u);
  EXPECT_TRUE(Free(MOD_CONTROL | MOD_SHIFT, 'K'));
}

}  // namespace
}  // namespace notch
