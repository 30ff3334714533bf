#pragma once
// The Windows notification listener's routine, over a notification source the
// Windows Runtime layer implements and tests fake: ask for access, then poll
// the current toasts once a second while the host window exists, and hand the
// newest one that was not there before to the host window as a
// NotificationBlock.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "host/notification_block.h"

namespace notch {

enum class NotificationAccess { Unspecified = 0, Allowed = 1, Denied = 2 };

// One toast of the current list: what choosing the candidate needs.
struct ToastEntry {
  std::uint32_t id = 0;
  std::int64_t creation_time = 0;  // any scale that orders creation
};

// What the block is built from: the application's info and the text elements
// of the toast's generic binding, in order.
struct ToastContent {
  std::wstring app_name;  // empty when unavailable
  std::wstring app_user_model_id;
  std::vector<std::wstring> texts;
};

// A failure of the notification system, with its message; any other
// exception a source throws counts as an unexpected stop.
class NotificationSourceError : public std::runtime_error {
 public:
  explicit NotificationSourceError(std::wstring message)
      : std::runtime_error("notification source error"), message_(std::move(message)) {}
  const std::wstring& message() const { return message_; }

 private:
  std::wstring message_;
};

class NotificationSource {
 public:
  virtual ~NotificationSource() = default;
  virtual NotificationAccess AccessStatus() = 0;
  // Asks the user and waits for the answer.
  virtual NotificationAccess RequestAccess() = 0;
  // The current toasts, in list order.
  virtual std::vector<ToastEntry> CurrentToasts() = 0;
  // The content of entry `index` of the list CurrentToasts last returned.
  virtual ToastContent Content(std::size_t index) = 0;
};

// What the routine needs of the host: whether its window still exists,
// posting a registered block's parameter to it, and the wait between polls.
class NotificationListenerHost {
 public:
  virtual ~NotificationListenerHost() = default;
  virtual bool WindowExists() = 0;
  virtual bool Post(std::uintptr_t parameter) = 0;
  virtual void WaitBetweenPolls() = 0;
};

inline constexpr unsigned kNotificationPollMs = 1000;

// Title: the first text element; body: the others joined with single spaces.
NotificationBlock BuildNotificationBlock(const ToastContent& content);

// Index of the newest toast whose id is not in `seen` (the first found wins a
// tie), or -1.
std::ptrdiff_t NewestUnseenToast(const std::vector<ToastEntry>& toasts, const std::unordered_set<std::uint32_t>& seen);

class NotificationListener {
 public:
  NotificationListener(NotificationSource& source, NotificationListenerHost& host,
                       HandOff<NotificationBlock>& hand_off = NotificationHandOff())
      : source_(source), host_(host), hand_off_(hand_off) {}

  // The whole routine; returns when it ends, having logged why when it was
  // an error.
  void Run();

  // One poll: remembers the list and posts its newest new toast. Returns
  // whether a block was handed over.
  bool Poll();

  bool first_poll() const { return first_poll_; }
  const std::unordered_set<std::uint32_t>& seen() const { return seen_; }

 private:
  bool AccessAllowed();

  NotificationSource& source_;
  NotificationListenerHost& host_;
  HandOff<NotificationBlock>& hand_off_;
  std::unordered_set<std::uint32_t> seen_;
  bool first_poll_ = true;
};

// The click action of a notification's card: opens the application through
// `open(target)` with the shell's apps folder target, or does nothing when
// the notification named no application.
std::function<void()> NotificationClickAction(const std::wstring& app_user_model_id,
                                              std::function<void(const std::wstring& target)> open);

}  // namespace notch
