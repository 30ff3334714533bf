#pragma once
// The message counters the idle probe's hook keeps inside the measured
// process, in a named section the probe creates and reads. One thread (the
// hooked one) writes; a slot is filled before `used` counts it.
#include <windows.h>

#include <string>

namespace notch::idle {

inline constexpr int kCounterSlots = 256;
inline constexpr int kClassNameLength = 64;

struct CounterSlot {
  wchar_t window_class[kClassNameLength];
  UINT message;
  ULONG64 id;
  volatile LONG64 count;
};

// The process's own view of its memory and objects, taken by the hook inside
// it: Wine answers these calls fully only for the calling process.
struct ProcessFigures {
  ULONG64 private_bytes;
  ULONG64 working_set_bytes;
  ULONG handles;
  ULONG gdi_objects;
  ULONG user_objects;
  // Figures that Wine answers too: the process's heaps walked block by
  // block, the handles the kernel's (or wineserver's) table lists for the
  // process, and the windows it owns, top-level and child.
  ULONG64 heap_committed_bytes;
  ULONG64 heap_busy_bytes;
  ULONG heaps;
  ULONG listed_handles;
  ULONG windows;
  ULONG gdi_table_objects;  // its entries in the GDI handle table
};

struct CounterTable {
  volatile LONG used;
  volatile LONG overflow;  // messages no slot was left for
  CounterSlot slots[kCounterSlots];
  // The probe raises `figures_asked`; the hook fills `figures` at the next
  // message and sets `figures_given` to the same number.
  volatile LONG figures_asked;
  volatile LONG figures_given;
  ProcessFigures figures;
};

// The section's name for the process being measured.
inline std::wstring CounterTableName(DWORD process_id) {
  return L"Local\\TemboNotchIdleCounters." + std::to_wstring(process_id);
}

inline constexpr char kHookProcName[] = "IdleGetMessageHook";

}  // namespace notch::idle
