// The lyrics workers' message to the island window.
#include "lyrics/lyrics_workers_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/app_messages.h"

namespace notch {
namespace {

TEST(LyricsWorkersWinTest, PublishingPostsTheMediaUpdateToTheIsland) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  PostLyricsUpdate(window);
  PostLyricsUpdate(nullptr);  // no island window yet
  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, window, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, island_message::kMediaUpdate);
  EXPECT_EQ(message.wParam, 0u);
  EXPECT_EQ(message.lParam, 0);
  EXPECT_FALSE(PeekMessageW(&message, window, 0, 0, PM_REMOVE));
  DestroyWindow(window);
}

}  // namespace
}  // namespace notch
