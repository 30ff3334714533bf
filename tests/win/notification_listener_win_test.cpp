// The notification listener against the real system: where the listener is
// not registered (Wine) the routine ends with its log line, and blocks go to
// the host window through the registered hand-off.
#include "host/notification_listener_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "common/app_messages.h"
#include "support/log_capture.h"
#include "winrt/activation_win.h"

namespace notch {
namespace {

class OneToastSource final : public NotificationSource {
 public:
  int polls = 0;
  NotificationAccess AccessStatus() override { return NotificationAccess::Allowed; }
  NotificationAccess RequestAccess() override { return NotificationAccess::Allowed; }
  std::vector<ToastEntry> CurrentToasts() override {
    if (polls++ == 0) return {};
    return {{42, 1}};
  }
  ToastContent Content(std::size_t) override { return {L"Mail", L"mail!app", {L"Ana", L"Lunch", L"at one?"}}; }
};

HWND MessageWindow() {
  return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

TEST(NotificationListenerWinTest, EndsWithItsLogLineWhereTheSystemHasNoListener) {
  {
    const winrt::MultithreadedApartment apartment;
    Microsoft::WRL::ComPtr<winrt::IUserNotificationListenerStatics> statics;
    if (SUCCEEDED(winrt::GetActivationFactory(winrt::kUserNotificationListenerClass, statics))) {
      GTEST_SKIP() << "this system has a notification listener";
    }
  }
  testing::LogCapture log;
  const HWND host = MessageWindow();
  ASSERT_NE(host, nullptr);
  // The routine joins its own thread to the multithreaded apartment.
  std::thread([host] { RunNotificationListener(host); }).join();
  DestroyWindow(host);

  const auto lines = log.lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind(L"notification listener: ", 0), 0u) << lines[0];
  EXPECT_GT(lines[0].size(), std::wstring_view(L"notification listener: ").size());
}

TEST(NotificationListenerWinTest, PostsTheBlockToTheHostWindowAsItsNotificationMessage) {
  const HWND host = MessageWindow();
  ASSERT_NE(host, nullptr);
  OneToastSource source;
  WindowsNotificationListenerHost receiver(host);
  NotificationListener listener(source, receiver);
  const std::size_t before = NotificationHandOff().outstanding();
  EXPECT_FALSE(listener.Poll());
  EXPECT_TRUE(listener.Poll());

  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, host, host_message::kNotification, host_message::kNotification, PM_REMOVE));
  const auto block = NotificationHandOff().Receive(static_cast<std::uintptr_t>(message.lParam), message.message);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->strings[NotificationBlock::kAppName], L"Mail");
  EXPECT_EQ(block->strings[NotificationBlock::kTitle], L"Ana");
  EXPECT_EQ(block->strings[NotificationBlock::kBody], L"Lunch at one?");
  EXPECT_EQ(block->strings[NotificationBlock::kAppUserModelId], L"mail!app");
  EXPECT_EQ(NotificationHandOff().outstanding(), before);
  DestroyWindow(host);
}

TEST(NotificationListenerWinTest, ABlockWhosePostFailsIsFreedByTheListener) {
  const HWND gone = MessageWindow();
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  OneToastSource source;
  WindowsNotificationListenerHost receiver(gone);
  EXPECT_FALSE(receiver.WindowExists());
  NotificationListener listener(source, receiver);
  const std::size_t before = NotificationHandOff().outstanding();
  listener.Poll();
  EXPECT_FALSE(listener.Poll());
  EXPECT_EQ(source.polls, 2);
  EXPECT_EQ(NotificationHandOff().outstanding(), before);
}

TEST(NotificationListenerWinTest, ErrorsReadAsTheSystemsMessage) {
  EXPECT_EQ(ErrorMessage(E_OUTOFMEMORY).find(L'\n'), std::wstring::npos);
  EXPECT_FALSE(ErrorMessage(REGDB_E_CLASSNOTREG).empty());
  EXPECT_EQ(ErrorMessage(static_cast<HRESULT>(0xA0001234)), L"0xA0001234");
}

}  // namespace
}  // namespace notch
