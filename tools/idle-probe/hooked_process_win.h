#pragma once
// The window thread of another process with the idle counting hook set on
// it (notch_idle_hook.dll, beside the running executable): the messages the
// thread takes, and the figures the process gives of itself. Used by the
// idle probe and by the soak.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "idle-probe/idle_counters_win.h"
#include "idle-probe/idle_tally.h"

namespace notch::idle {

inline constexpr DWORD kWaitMs = 15000;
// The program's window thread may be busy for a while after it starts.
inline constexpr DWORD kHookWaitMs = 90000;

// Polls `condition` every 50 ms up to `limit_ms`, handling the calling
// thread's own messages meanwhile.
inline bool WaitFor(const std::function<bool()>& condition, DWORD limit_ms = kWaitMs) {
  for (DWORD waited = 0; waited < limit_ms; waited += 50) {
    if (condition()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return condition();
}

inline HWND WaitForWindow(const wchar_t* window_class) {
  HWND window = nullptr;
  WaitFor([&] { return (window = FindWindowW(window_class, nullptr)) != nullptr; });
  return window;
}

inline std::string AsciiOf(const wchar_t* text) {
  std::string narrow;
  for (; *text != L'\0'; ++text) narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
  return narrow;
}

struct CommittedPages {
  unsigned long long private_bytes = 0, image_bytes = 0, mapped_bytes = 0;
};

// Committed pages as the Windows side of a process sees them, walked from
// outside: private ones are the heaps and stacks of the program and of the
// system libraries it loaded, not the host libraries behind them.
inline CommittedPages WalkCommittedPages(DWORD process_id) {
  CommittedPages pages;
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process_id);
  if (process == nullptr) return pages;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* address = nullptr;
       VirtualQueryEx(process, address, &region, sizeof region) == sizeof region && region.RegionSize != 0;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State != MEM_COMMIT) continue;
    if (region.Type == MEM_PRIVATE) pages.private_bytes += region.RegionSize;
    if (region.Type == MEM_IMAGE) pages.image_bytes += region.RegionSize;
    if (region.Type == MEM_MAPPED) pages.mapped_bytes += region.RegionSize;
  }
  CloseHandle(process);
  return pages;
}

// The window thread of another process with the counting hook set on it.
class HookedProcess {
 public:
  explicit HookedProcess(const wchar_t* window_class) {
    window_ = WaitForWindow(window_class);
    if (window_ == nullptr) {
      error_ = "no window of that class";
      return;
    }
    const DWORD thread_id = GetWindowThreadProcessId(window_, &process_id_);
    section_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(CounterTable),
                                  CounterTableName(process_id_).c_str());
    if (section_ != nullptr) {
      table_ = static_cast<CounterTable*>(MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(CounterTable)));
    }
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll = path;
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"notch_idle_hook.dll";
    const HMODULE module = LoadLibraryW(dll.c_str());
    const auto proc = module == nullptr
                          ? nullptr
                          : reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, kHookProcName)));
    if (table_ == nullptr || proc == nullptr) {
      error_ = "could not make the counters' section or load notch_idle_hook.dll";
      return;
    }
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, proc, module, thread_id);
    if (hook_ == nullptr) {
      error_ = "SetWindowsHookEx failed";
      return;
    }
    // The hook's library loads in the program at the next message it takes.
    const bool running = WaitFor(
        [this] {
          PostMessageW(window_, WM_NULL, 0, 0);
          return table_->used > 0;
        },
        kHookWaitMs);
    if (!running) error_ = "the counting hook never ran in the program";
  }
  ~HookedProcess() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    if (table_ != nullptr) UnmapViewOfFile(table_);
    if (section_ != nullptr) CloseHandle(section_);
  }
  HookedProcess(const HookedProcess&) = delete;
  HookedProcess& operator=(const HookedProcess&) = delete;

  const std::string& error() const { return error_; }
  DWORD process_id() const { return process_id_; }
  const CounterTable& table() const { return *table_; }

  std::vector<MessageCount> Counters() const {
    std::vector<MessageCount> counts;
    if (table_ == nullptr) return counts;
    const LONG used = table_->used;
    for (LONG i = 0; i < used && i < kCounterSlots; ++i) {
      const auto& slot = table_->slots[i];
      counts.push_back({AsciiOf(slot.window_class), slot.message, slot.id, static_cast<std::uint64_t>(slot.count)});
    }
    return counts;
  }

  // The figures the process gives of itself, taken by the hook at the
  // next message its window thread takes; none when it did not answer
  // within `limit_ms`.
  std::optional<ProcessFigures> Figures(DWORD limit_ms = kWaitMs) {
    if (table_ == nullptr || hook_ == nullptr) return std::nullopt;
    const LONG asked = InterlockedIncrement(&table_->figures_asked);
    const bool given = WaitFor(
        [&] {
          PostMessageW(window_, WM_NULL, 0, 0);
          return table_->figures_given == asked;
        },
        limit_ms);
    if (!given) return std::nullopt;
    return table_->figures;
  }

  // The process's memory, as JSON: what it reports of itself through the
  // hook, and its committed pages walked from here.
  std::string MemoryJson() {
    const std::optional<ProcessFigures> answer = Figures();
    const bool given = answer.has_value();
    const ProcessFigures figures = answer.value_or(ProcessFigures{});
    const CommittedPages pages = WalkCommittedPages(process_id_);
    char text[1024];
    std::snprintf(text, sizeof text,
                  "{\"private_bytes\": %llu, \"working_set_bytes\": %llu, \"committed_private_bytes\": %llu, "
                  "\"committed_image_bytes\": %llu, \"committed_mapped_bytes\": %llu, \"handles\": %lu, "
                  "\"gdi_objects\": %lu, \"user_objects\": %lu, \"heap_committed_bytes\": %llu, "
                  "\"heap_busy_bytes\": %llu, \"listed_handles\": %lu, \"windows\": %lu, \"gdi_table_objects\": %lu%s}",
                  static_cast<unsigned long long>(figures.private_bytes),
                  static_cast<unsigned long long>(figures.working_set_bytes), pages.private_bytes, pages.image_bytes,
                  pages.mapped_bytes, figures.handles, figures.gdi_objects, figures.user_objects,
                  static_cast<unsigned long long>(figures.heap_committed_bytes),
                  static_cast<unsigned long long>(figures.heap_busy_bytes), figures.listed_handles, figures.windows,
                  figures.gdi_table_objects, given ? "" : ", \"error\": \"the program did not answer\"");
    return text;
  }

 private:
  HWND window_ = nullptr;
  DWORD process_id_ = 0;
  HANDLE section_ = nullptr;
  CounterTable* table_ = nullptr;
  HHOOK hook_ = nullptr;
  std::string error_;
};

}  // namespace notch::idle
