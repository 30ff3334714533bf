#pragma once
// How the tour driver reaches the tour build's stand-in sources: a named
// event that starts the track, and a named event with a shared slot that
// raises a notice. The tour build creates them; the driver opens them, so a
// driver pointed at the shipped program finds none and says so.
#include <windows.h>

#include "tour-sources/tour_notices.h"

namespace notch::tour {

inline constexpr wchar_t kMediaPlayEventName[] = L"Local\\TemboNotchTour.MediaPlay";
inline constexpr wchar_t kMediaPauseEventName[] = L"Local\\TemboNotchTour.MediaPause";
inline constexpr wchar_t kNoticeEventName[] = L"Local\\TemboNotchTour.Notice";
inline constexpr wchar_t kNoticeSlotName[] = L"Local\\TemboNotchTour.NoticeSlot";

// The driver's side: false when the tour build is not running (or not yet
// listening). SignalEvent takes kMediaPlayEventName or kMediaPauseEventName.
inline bool SignalEvent(const wchar_t* name) {
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return false;
  const bool set = SetEvent(event) != FALSE;
  CloseHandle(event);
  return set;
}

inline bool SignalNotice(const TourNotice& notice) {
  const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kNoticeSlotName);
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, kNoticeEventName);
  bool sent = false;
  if (mapping != nullptr && event != nullptr) {
    if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(TourNoticeSlot))) {
      WriteNoticeSlot(*static_cast<TourNoticeSlot*>(view), notice);
      UnmapViewOfFile(view);
      sent = SetEvent(event) != FALSE;
    }
  }
  if (event != nullptr) CloseHandle(event);
  if (mapping != nullptr) CloseHandle(mapping);
  return sent;
}

}  // namespace notch::tour
