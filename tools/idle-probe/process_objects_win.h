#pragma once
// Counts of a process's own objects that hold under Wine, where
// GetProcessHandleCount, GetGuiResources and the private bytes of
// GetProcessMemoryInfo read 0. Only VirtualAlloc is used for scratch space,
// so counting from inside a process does not move its heap figures.
#include <windows.h>

#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace notch::idle {

struct HeapFigures {
  ULONG64 committed_bytes = 0;  // the committed pages of the heaps' regions
  ULONG64 busy_bytes = 0;       // the blocks handed out and not yet freed
  ULONG heaps = 0;
};

// Walks every heap of the calling process. Each heap is locked while it is
// walked, so the figures of one heap are consistent.
inline HeapFigures WalkOwnHeaps() {
  HeapFigures figures;
  HANDLE heaps[128];
  const DWORD count = GetProcessHeaps(128, heaps);
  for (DWORD i = 0; i < count && i < 128; ++i) {
    if (!HeapLock(heaps[i])) continue;
    ++figures.heaps;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_REGION) {
        figures.committed_bytes += entry.Region.dwCommittedSize;
      } else if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
        figures.busy_bytes += entry.cbData;  // large blocks too, which sit outside the regions
      }
    }
    HeapUnlock(heaps[i]);
  }
  return figures;
}

// The handles the system's handle table lists for `process_id`; 0 when the
// table cannot be read.
inline ULONG CountListedHandles(DWORD process_id) {
  using QuerySystem = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QuerySystem>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return 0;
  struct ExtendedEntry {
    void* object;
    ULONG_PTR process_id;
    ULONG_PTR handle;
    ULONG access;
    USHORT back_trace;
    USHORT type;
    ULONG attributes;
    ULONG reserved;
  };
  struct Entry {  // the older table, with 16-bit process ids
    USHORT process_id;
    USHORT back_trace;
    UCHAR type;
    UCHAR attributes;
    USHORT handle;
    void* object;
    ULONG access;
  };
  constexpr ULONG kExtendedHandles = 64, kHandles = 16;
  constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004L);
  for (const ULONG information : {kExtendedHandles, kHandles}) {
    for (SIZE_T size = 1 << 20; size <= (SIZE_T{1} << 28); size *= 2) {
      void* buffer = VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
      if (buffer == nullptr) return 0;
      ULONG needed = 0;
      const LONG status = query(information, buffer, static_cast<ULONG>(size), &needed);
      ULONG count = 0;
      bool read = false;
      if (status >= 0) {
        read = true;
        if (information == kExtendedHandles) {
          const auto total = *static_cast<const ULONG_PTR*>(buffer);
          const auto* entries =
              reinterpret_cast<const ExtendedEntry*>(static_cast<const char*>(buffer) + 2 * sizeof(ULONG_PTR));
          const SIZE_T room = (size - 2 * sizeof(ULONG_PTR)) / sizeof(ExtendedEntry);
          for (ULONG_PTR i = 0; i < total && i < room; ++i) count += entries[i].process_id == process_id;
        } else {
          const ULONG total = *static_cast<const ULONG*>(buffer);
          const auto* entries = reinterpret_cast<const Entry*>(static_cast<const char*>(buffer) + sizeof(ULONG_PTR));
          const SIZE_T room = (size - sizeof(ULONG_PTR)) / sizeof(Entry);
          for (ULONG i = 0; i < total && i < room; ++i) count += entries[i].process_id == (process_id & 0xFFFF);
        }
      }
      VirtualFree(buffer, 0, MEM_RELEASE);
      if (read) return count;
      if (status != kLengthMismatch) break;  // this table is not there: try the other
    }
  }
  return 0;
}

// The GDI objects of the calling process, counted in the GDI handle table
// the process sees mapped at its PEB (Windows and Wine both keep one, where
// GetGuiResources reads 0 under Wine). A brush made for the count finds the
// table's owner mark for this process; 0 when the table is not there or its
// entries are not laid out as expected.
inline ULONG CountOwnGdiObjects() {
  struct Entry {  // 24 bytes on x64
    ULONG64 object;
    ULONG owner;
    USHORT unique;  // the upper half of the handle
    UCHAR type;     // 0 for a free entry
    UCHAR flags;
    ULONG64 user;
  };
  static_assert(sizeof(Entry) == 24);
  constexpr SIZE_T kEntries = 0x10000;
  constexpr SIZE_T kPebTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  if constexpr (sizeof(void*) != 8) return 0;
  using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) < 0 ||
      basic.PebBaseAddress == nullptr) {
    return 0;
  }
  const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  const Entry* table = nullptr;
  std::memcpy(&table, peb + kPebTableOffset, sizeof table);
  if (table == nullptr) return 0;
  // Only what is committed and readable is read.
  SIZE_T readable = 0;
  for (const char* at = reinterpret_cast<const char*>(table); readable < kEntries * sizeof(Entry);) {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(at, &region, sizeof region) != sizeof region || region.State != MEM_COMMIT ||
        (region.Protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE)) == 0 ||
        (region.Protect & PAGE_GUARD) != 0) {
      break;
    }
    const SIZE_T left = static_cast<SIZE_T>(static_cast<const char*>(region.BaseAddress) + region.RegionSize - at);
    readable += left;
    at += left;
  }
  const SIZE_T entries = std::min(kEntries, readable / sizeof(Entry));
  const HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  if (probe == nullptr) return 0;
  const auto value = reinterpret_cast<ULONG_PTR>(probe);
  const SIZE_T index = value & 0xFFFF;
  ULONG count = 0;
  if (index < entries && table[index].type != 0 && table[index].unique == ((value >> 16) & 0xFFFF)) {
    const ULONG owner = table[index].owner & ~1UL;  // without the lock bit
    for (SIZE_T i = 0; i < entries; ++i) count += table[i].type != 0 && (table[i].owner & ~1UL) == owner;
    --count;  // the probe
  }
  DeleteObject(probe);
  return count;
}

namespace detail {
inline BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<ULONG*>(count);
  return TRUE;
}
struct WindowTally {
  DWORD process_id;
  ULONG count;
};
inline BOOL CALLBACK CountTopLevel(HWND window, LPARAM tally_address) {
  auto& tally = *reinterpret_cast<WindowTally*>(tally_address);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == tally.process_id) {
    ++tally.count;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&tally.count));
  }
  return TRUE;
}
}  // namespace detail

// The windows `process_id` owns: top-level ones (message-only windows are
// not listed) and all their children.
inline ULONG CountWindows(DWORD process_id) {
  detail::WindowTally tally{process_id, 0};
  EnumWindows(detail::CountTopLevel, reinterpret_cast<LPARAM>(&tally));
  return tally.count;
}

}  // namespace notch::idle
