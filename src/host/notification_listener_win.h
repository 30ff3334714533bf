#pragma once
// The notification listener on Windows: UserNotificationListener as the
// notification source, the host window as the receiver of the blocks.
#include <windows.h>

#include <wrl/client.h>

#include <vector>

#include "host/notification_listener.h"
#include "winrt/notifications_win.h"

namespace notch {

class WindowsNotificationSource final : public NotificationSource {
 public:
  // Throws NotificationSourceError when the system has no listener.
  WindowsNotificationSource();

  NotificationAccess AccessStatus() override;
  NotificationAccess RequestAccess() override;
  std::vector<ToastEntry> CurrentToasts() override;
  ToastContent Content(std::size_t index) override;

 private:
  Microsoft::WRL::ComPtr<winrt::IUserNotificationListener> listener_;
  std::vector<Microsoft::WRL::ComPtr<winrt::IUserNotification>> toasts_;
};

class WindowsNotificationListenerHost final : public NotificationListenerHost {
 public:
  explicit WindowsNotificationListenerHost(HWND host) : host_(host) {}
  bool WindowExists() override;
  bool Post(std::uintptr_t parameter) override;
  void WaitBetweenPolls() override;

 private:
  HWND host_;
};

// The system's message for `result`, or its number when it has none.
std::wstring ErrorMessage(HRESULT result);

// The listener's routine on the calling thread, which it joins to the
// multithreaded apartment; returns when the routine ends.
void RunNotificationListener(HWND host);

}  // namespace notch
