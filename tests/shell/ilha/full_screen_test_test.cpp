#include "shell/ilha/full_screen_test.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

using Verdict = FullScreenWalk::Verdict;

constexpr PixelRect kMonitor{0, 0, 1920, 1080};

TopLevelWindowFacts Window(PixelRect rect, std::wstring_view class_name = L"App") {
  TopLevelWindowFacts w;
  w.rect = rect;
  w.class_name = class_name;
  return w;
}

TEST(FullScreenTest, CoveringTheMonitorCountsUnlessItIsAMaximisedWindowWithATitleBar) {
  const FullScreenWalk walk(kMonitor);
  EXPECT_EQ(walk.Consider(Window({0, 0, 1920, 1080})), Verdict::FullScreen);
  EXPECT_EQ(walk.Consider(Window({-8, -8, 1928, 1088})), Verdict::FullScreen);
  TopLevelWindowFacts maximised = Window({-8, -8, 1928, 1088});
  maximised.maximised = true;
  maximised.has_caption = true;
  EXPECT_EQ(walk.Consider(maximised), Verdict::NotFullScreen);
  maximised.has_caption = false;  // borderless "maximised" games
  EXPECT_EQ(walk.Consider(maximised), Verdict::FullScreen);
}

TEST(FullScreenTest, WindowsThatDoNotCountArePassedOver) {
  const FullScreenWalk walk(kMonitor);
  TopLevelWindowFacts w = Window(kMonitor);
  w.visible = false;
  EXPECT_EQ(walk.Consider(w), Verdict::Continue);
  w = Window(kMonitor);
  w.minimised = true;
  EXPECT_EQ(walk.Consider(w), Verdict::Continue);
  w = Window(kMonitor);
  w.own_process = true;
  EXPECT_EQ(walk.Consider(w), Verdict::Continue);
  w = Window(kMonitor);
  w.cloaked = true;
  EXPECT_EQ(walk.Consider(w), Verdict::Continue);
  w = Window(kMonitor);
  w.input_transparent = true;
  EXPECT_EQ(walk.Consider(w), Verdict::Continue);
  w = Window(kMonitor);
  w.has_rect = false;
  EXPECT_EQ(walk.Consider(w), Verdict::Continue);
  EXPECT_EQ(walk.Consider(Window({1920, 0, 3840, 1080})), Verdict::Continue);  // another monitor
  EXPECT_EQ(walk.Consider(Window({0, 1040, 1920, 1080}, L"Shell_TrayWnd")), Verdict::Continue);
  EXPECT_EQ(walk.Consider(Window(kMonitor, L"Shell_SecondaryTrayWnd")), Verdict::Continue);
}

TEST(FullScreenTest, TheDesktopAndLargeWindowsEndTheWalk) {
  const FullScreenWalk walk(kMonitor);
  EXPECT_EQ(walk.Consider(Window(kMonitor, L"Progman")), Verdict::NotFullScreen);
  EXPECT_EQ(walk.Consider(Window(kMonitor, L"WorkerW")), Verdict::NotFullScreen);
  EXPECT_EQ(walk.Consider(Window({0, 0, 960, 540})), Verdict::NotFullScreen);  // exactly a quarter
  EXPECT_EQ(walk.Consider(Window({0, 0, 959, 540})), Verdict::Continue);       // smaller
  EXPECT_EQ(walk.Consider(Window({-5000, 0, 100, 1080})), Verdict::Continue);  // mostly elsewhere
}

}  // namespace
}  // namespace notch
