#pragma once
// How the tour driver reaches the tour build's stand-in sources: named events
// that start and pause the track, and slots of shared memory (with an event
// where the tour build waits) for a notice, the output volume and the
// battery. The tour build creates them; the driver opens them, so a driver
// pointed at the shipped program finds none and says so.
#include <windows.h>

#include "tour-sources/tour_notices.h"
#include "tour-sources/tour_power.h"
#include "tour-sources/tour_volume.h"

namespace notch::tour {

inline constexpr wchar_t kMediaPlayEventName[] = L"Local\\TemboNotchTour.MediaPlay";
inline constexpr wchar_t kMediaPauseEventName[] = L"Local\\TemboNotchTour.MediaPause";
inline constexpr wchar_t kNoticeEventName[] = L"Local\\TemboNotchTour.Notice";
inline constexpr wchar_t kNoticeSlotName[] = L"Local\\TemboNotchTour.NoticeSlot";
inline constexpr wchar_t kVolumeEventName[] = L"Local\\TemboNotchTour.Volume";
inline constexpr wchar_t kVolumeSlotName[] = L"Local\\TemboNotchTour.VolumeSlot";
// The battery has no event of its own: the driver then posts the island the
// power broadcast the system sends.
inline constexpr wchar_t kPowerSlotName[] = L"Local\\TemboNotchTour.PowerSlot";

// The driver's side: false when the tour build is not running (or not yet
// listening). SignalEvent takes kMediaPlayEventName or kMediaPauseEventName.
inline bool SignalEvent(const wchar_t* name) {
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return false;
  const bool set = SetEvent(event) != FALSE;
  CloseHandle(event);
  return set;
}

// `write` fills the mapped slot; then `event_name`, when given, is set.
template <typename Slot, typename Write>
bool WriteSlot(const wchar_t* slot_name, const wchar_t* event_name, Write write) {
  const HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, slot_name);
  const HANDLE event = event_name != nullptr ? OpenEventW(EVENT_MODIFY_STATE, FALSE, event_name) : nullptr;
  bool sent = false;
  if (mapping != nullptr && (event_name == nullptr || event != nullptr)) {
    if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Slot))) {
      write(*static_cast<Slot*>(view));
      UnmapViewOfFile(view);
      sent = event == nullptr || SetEvent(event) != FALSE;
    }
  }
  if (event != nullptr) CloseHandle(event);
  if (mapping != nullptr) CloseHandle(mapping);
  return sent;
}

inline bool SignalNotice(const TourNotice& notice) {
  return WriteSlot<TourNoticeSlot>(kNoticeSlotName, kNoticeEventName,
                                   [&](TourNoticeSlot& slot) { WriteNoticeSlot(slot, notice); });
}

inline bool SignalVolume(const TourVolumeSlot& volume) {
  return WriteSlot<TourVolumeSlot>(kVolumeSlotName, kVolumeEventName, [&](TourVolumeSlot& slot) { slot = volume; });
}

inline bool WritePower(const TourPowerSlot& power) {
  return WriteSlot<TourPowerSlot>(kPowerSlotName, nullptr, [&](TourPowerSlot& slot) { slot = power; });
}

}  // namespace notch::tour
