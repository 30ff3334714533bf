// The island on a real window: its class and styles, showing and hiding at
// the top centre of the primary monitor, frames through the real drawing
// path, and the frame clock.
#include <windows.h>

#include <gtest/gtest.h>

#include "activities/media_state.h"
#include "common/app_messages.h"
#include "common/ini_document.h"
#include "host/host_state.h"
#include "host/settings.h"
#include "message_pump.h"
#include "render/frame_clock_win.h"
#include "render/graphics_device_win.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_platform_win.h"
#include "shell/ilha/island_win.h"
#include "shell/ilha/virtual_island.h"
#include "snapshots/screen_pixels_win.h"
#include "support/log_capture.h"

namespace notch {
namespace {

class IslandWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(RegisterIslandWindowClass(GetModuleHandleW(nullptr)));
    layered_ = !CompositionAvailable();
    window_ = CreateIslandWindow(GetModuleHandleW(nullptr), layered_);
    ASSERT_NE(window_, nullptr);
    platform_ = std::make_unique<WindowsIslandPlatform>(window_, layered_);
    island_ = std::make_unique<Island>(*platform_, panel_, activities_, settings_, host_, media_);
    AttachIsland(window_, island_.get());
  }
  void TearDown() override {
    if (window_ != nullptr) {
      AttachIsland(window_, nullptr);
      DestroyWindow(window_);
    }
  }
  bool Settled() { return !island_->record().animating; }

  testing::LogCapture log_;
  IniDocument file_ = IniDocument::Parse(L"[Notch]\n");
  Settings settings_{file_};
  HostState host_;
  MediaState media_;
  VirtualPanel panel_;
  VirtualActivities activities_;
  bool layered_ = false;
  HWND window_ = nullptr;
  std::unique_ptr<WindowsIslandPlatform> platform_;
  std::unique_ptr<Island> island_;
};

TEST_F(IslandWindowTest, WindowHasItsClassTitleAndStyles) {
  wchar_t name[64] = {};
  GetClassNameW(window_, name, 64);
  EXPECT_STREQ(name, L"ShellIlha");
  GetWindowTextW(window_, name, 64);
  EXPECT_STREQ(name, L"Vizi Didoziri");
  const LONG_PTR ex_style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  for (const LONG_PTR flag : {WS_EX_NOACTIVATE, WS_EX_TOOLWINDOW, WS_EX_TOPMOST}) EXPECT_TRUE(ex_style & flag) << flag;
  // Exactly one way of presenting: composition without a redirection bitmap,
  // or a layered window.
  EXPECT_NE((ex_style & WS_EX_LAYERED) != 0, (ex_style & WS_EX_NOREDIRECTIONBITMAP) != 0);
  EXPECT_EQ((ex_style & WS_EX_LAYERED) != 0, layered_);
  EXPECT_TRUE(GetWindowLongPtrW(window_, GWL_STYLE) & WS_POPUP);
}

TEST_F(IslandWindowTest, ShowsAtTheTopCentreDrawsWithoutErrorsAndHidesAgain) {
  island_->Start();
  EXPECT_TRUE(IsWindowVisible(window_));
  ASSERT_TRUE(testing::PumpUntil([&] { return Settled(); }));
  EXPECT_EQ(island_->record().state, IslandState::Idle);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const float scale = WindowScale(window_);
  RECT rect{};
  GetWindowRect(window_, &rect);
  const int width = static_cast<int>(500 * scale + 0.5f);
  EXPECT_EQ(rect.right - rect.left, width);
  EXPECT_EQ(rect.bottom - rect.top, static_cast<int>(430 * scale + 0.5f));
  EXPECT_EQ(rect.top, monitor.rcMonitor.top);
  EXPECT_EQ(rect.left, monitor.rcMonitor.left + (monitor.rcMonitor.right - monitor.rcMonitor.left - width) / 2);

  // The window region is the island's shape rectangle with its margin.
  RECT box{};
  ASSERT_NE(GetWindowRgnBox(window_, &box), ERROR);
  const PixelRect region = island_->region();
  EXPECT_EQ(box.left, region.left);
  EXPECT_EQ(box.right, region.right);
  EXPECT_EQ(box.bottom, region.bottom);

  for (const std::wstring& line : log_.lines()) EXPECT_NE(line.rfind(L"erro:", 0), 0u) << line;

  island_->Toggle();
  EXPECT_EQ(island_->record().state, IslandState::Hidden);
  ASSERT_TRUE(testing::PumpUntil([&] { return Settled(); }));
  EXPECT_FALSE(IsWindowVisible(window_));

  island_->Toggle();
  EXPECT_TRUE(IsWindowVisible(window_));
  ASSERT_TRUE(testing::PumpUntil([&] { return Settled(); }));
  for (const std::wstring& line : log_.lines()) EXPECT_NE(line.rfind(L"erro:", 0), 0u) << line;
}

TEST_F(IslandWindowTest, TheScreenShowsTheShapeOfEachState) {
  island_->Start();
  RECT window{};
  GetWindowRect(window_, &window);
  const float scale = WindowScale(window_);
  const auto expect_shape = [&](const char* what) {
    ASSERT_TRUE(testing::PumpUntil([&] { return Settled(); })) << what;
    const RectF shape = island_->CurrentShapeRect();
    const auto bounds = snapshots::DarkBounds(window);
    ASSERT_TRUE(bounds.has_value()) << what;
    // Anti-aliased edges may reach one pixel either way; at the sides the
    // notch's flares thin out towards the shape's edge, so the dark pixels
    // end between the edge and the body (the upper radius further in).
    const float flare = island_->springs().upper_radius.position * scale;
    EXPECT_GE(bounds->left - window.left, shape.left * scale - 1.5) << what;
    EXPECT_LE(bounds->left - window.left, shape.left * scale + flare + 1.5) << what;
    EXPECT_LE(bounds->right - window.left, shape.right * scale + 1.5) << what;
    EXPECT_GE(bounds->right - window.left, shape.right * scale - flare - 1.5) << what;
    EXPECT_NEAR(bounds->top - window.top, shape.top * scale, 1.5) << what;
    EXPECT_NEAR(bounds->bottom - window.top, shape.bottom * scale, 1.5) << what;
  };
  expect_shape("Idle");
  EXPECT_FLOAT_EQ(island_->CurrentShapeRect().width(), 184.0f);

  {
    std::lock_guard lock(media_.mutex);
    media_.pending.has_media = media_.pending.playing = true;
    media_.pending.title = L"Song";
  }
  island_->OnMediaUpdate(false);
  expect_shape("Media");
  EXPECT_FLOAT_EQ(island_->CurrentShapeRect().width(), 264.0f);

  island_->ShowNotification(L"App", L"Title", L"", nullptr);
  expect_shape("Notification");
  EXPECT_FLOAT_EQ(island_->CurrentShapeRect().width(), 344.0f);
}

TEST_F(IslandWindowTest, ABorderlessFullScreenWindowHidesTheIslandUntilItCloses) {
  island_->Start();
  ASSERT_TRUE(testing::PumpUntil([&] { return Settled(); }));

  // Another program's window: the test's own windows never count.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  wchar_t command[] = L"notepad.exe";
  ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  WaitForInputIdle(process.hProcess, 20000);
  HWND notepad = nullptr;
  ASSERT_TRUE(testing::PumpUntil([&] {
    notepad = FindWindowW(L"Notepad", nullptr);
    return notepad != nullptr && IsWindowVisible(notepad);
  }));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& m = monitor.rcMonitor;
  SetWindowLongPtrW(notepad, GWL_STYLE, WS_POPUP | WS_VISIBLE);
  SetWindowPos(notepad, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top, SWP_FRAMECHANGED);

  EXPECT_TRUE(testing::PumpUntil([&] {
    island_->CheckFullScreen(false);
    return island_->record().full_screen_hidden;
  }));
  EXPECT_FALSE(IsWindowVisible(window_));

  PostMessageW(notepad, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, 20000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_TRUE(testing::PumpUntil([&] {
    island_->CheckFullScreen(false);
    return !island_->record().full_screen_hidden;
  }));
  EXPECT_TRUE(IsWindowVisible(window_));
}

TEST(FrameClockWindowTest, StopsPostingAndParksWhenItsWindowIsDestroyed) {
  constexpr UINT kMessage = kWmApp + 40;
  static int frames = 0;
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = [](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    if (message == kMessage) {
      AcknowledgeFrame(window, kMessage);
      ++frames;
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  };
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"NotchFrameClockTest";
  RegisterClassW(&window_class);
  const HWND window = CreateWindowExW(0, L"NotchFrameClockTest", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);

  SetFrameClock(window, kMessage, true);
  ASSERT_TRUE(testing::PumpUntil([] { return frames >= 3; }));
  SetFrameClock(window, kMessage, false);
  EXPECT_FALSE(FrameClockRunning(window, kMessage));
  SetFrameClock(window, kMessage, true);
  const int before = frames;
  ASSERT_TRUE(testing::PumpUntil([&] { return frames >= before + 3; }));

  DestroyWindow(window);
  EXPECT_TRUE(testing::PumpUntil([&] { return !FrameClockRunning(window, kMessage); }));
  SetFrameClock(window, kMessage, true);  // woken, it finds the window gone and parks again
  EXPECT_TRUE(testing::PumpUntil([&] { return !FrameClockRunning(window, kMessage); }));
}

}  // namespace
}  // namespace notch
