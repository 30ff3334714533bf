#pragma once
// The tour build's notification list: the notices the tour raised, newest
// last, as the notification listener reads a system's toasts. A notice comes
// from the driver through a fixed-size slot of shared memory, so reading one
// is a bounded copy.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "host/notification_listener.h"

namespace notch::tour {

struct TourNotice {
  std::wstring app;
  std::wstring title;
  std::wstring body;
  friend bool operator==(const TourNotice&, const TourNotice&) = default;
};

// The shared slot's layout; every field is NUL-terminated within its array
// when written by WriteNoticeSlot, and read up to its end when it is not.
struct TourNoticeSlot {
  wchar_t app[64];
  wchar_t title[128];
  wchar_t body[512];
};

// Cuts each text to its field (never between the halves of a surrogate
// pair) and ends it with a NUL.
void WriteNoticeSlot(TourNoticeSlot& slot, const TourNotice& notice);
TourNotice ReadNoticeSlot(const TourNoticeSlot& slot);

// The list keeps the newest kTourToastLimit notices, as a notification
// centre drops old ones.
inline constexpr std::size_t kTourToastLimit = 20;

class TourToastList {
 public:
  void Add(TourNotice notice);
  // Ids from 1 up, never reused; the creation time orders them.
  std::vector<ToastEntry> Entries() const;
  // Entry `index` of Entries(): the notice's app as the application's name
  // and its title and body as the binding's two texts. An index past the end
  // is a source error, as a vanished toast is on Windows.
  ToastContent Content(std::size_t index) const;

 private:
  struct Toast {
    std::uint32_t id;
    TourNotice notice;
  };
  std::deque<Toast> toasts_;
  std::uint32_t next_id_ = 1;
};

}  // namespace notch::tour
