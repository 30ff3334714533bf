// A WH_GETMESSAGE hook that counts, per window class, message and timer id,
// the messages the hooked thread takes from its queue. The idle probe sets it
// on the measured program's window thread, so the program itself carries no
// counting code and needs no switch to be measured.
#include <windows.h>

#include <psapi.h>

#include "idle_counters_win.h"
#include "process_objects_win.h"

namespace {

using notch::idle::CounterSlot;
using notch::idle::CounterTable;

CounterTable* table = nullptr;
bool table_missing = false;

CounterTable* Table() {
  if (table == nullptr && !table_missing) {
    const HANDLE section =
        OpenFileMappingW(FILE_MAP_WRITE, FALSE, notch::idle::CounterTableName(GetCurrentProcessId()).c_str());
    if (section != nullptr) {
      // The handle stays open: it keeps the section's name, so a later probe
      // opens these same counters instead of making new ones nobody writes.
      table = static_cast<CounterTable*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, sizeof(CounterTable)));
    }
    table_missing = table == nullptr;
  }
  return table;
}

void GiveFigures(CounterTable& counters) {
  const LONG asked = counters.figures_asked;
  if (asked == counters.figures_given) return;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  counters.figures.private_bytes = memory.PrivateUsage;
  counters.figures.working_set_bytes = memory.WorkingSetSize;
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  counters.figures.handles = handles;
  counters.figures.gdi_objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counters.figures.user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const notch::idle::HeapFigures heaps = notch::idle::WalkOwnHeaps();
  counters.figures.heap_committed_bytes = heaps.committed_bytes;
  counters.figures.heap_busy_bytes = heaps.busy_bytes;
  counters.figures.heaps = heaps.heaps;
  counters.figures.listed_handles = notch::idle::CountListedHandles(GetCurrentProcessId());
  counters.figures.windows = notch::idle::CountWindows(GetCurrentProcessId());
  counters.figures.gdi_table_objects = notch::idle::CountOwnGdiObjects();
  InterlockedExchange(&counters.figures_given, asked);
}

void Count(const MSG& message) {
  CounterTable* counters = Table();
  if (counters == nullptr) return;
  GiveFigures(*counters);
  wchar_t window_class[notch::idle::kClassNameLength] = {};
  if (message.hwnd != nullptr) GetClassNameW(message.hwnd, window_class, notch::idle::kClassNameLength);
  const ULONG64 id = message.message == WM_TIMER ? static_cast<ULONG64>(message.wParam) : 0;
  const LONG used = counters->used;
  for (LONG i = 0; i < used; ++i) {
    CounterSlot& slot = counters->slots[i];
    if (slot.message == message.message && slot.id == id && lstrcmpW(slot.window_class, window_class) == 0) {
      InterlockedIncrement64(&slot.count);
      return;
    }
  }
  if (used >= notch::idle::kCounterSlots) {
    InterlockedIncrement(&counters->overflow);
    return;
  }
  CounterSlot& slot = counters->slots[used];
  lstrcpynW(slot.window_class, window_class, notch::idle::kClassNameLength);
  slot.message = message.message;
  slot.id = id;
  slot.count = 1;
  InterlockedIncrement(&counters->used);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK IdleGetMessageHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && wparam == PM_REMOVE) Count(*reinterpret_cast<const MSG*>(lparam));
  return CallNextHookEx(nullptr, code, wparam, lparam);
}
