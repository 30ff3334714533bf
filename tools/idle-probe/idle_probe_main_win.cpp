// notch_idle_probe: what TemboNotch.exe costs while it sits there, read from
// outside the program. scripts/bench-idle runs it under Wine.
//
//   notch_idle_probe window
//       a minimal Win32 window program (class TemboNotchIdleBaseline), the
//       baseline the program's memory is set against; ends on WM_CLOSE
//   notch_idle_probe measure CLASS SECONDS [SETTLE_SECONDS [PANEL_ROUNDS]]
//       hooks the thread of the window of CLASS, opens and closes the panel
//       PANEL_ROUNDS times, waits SETTLE_SECONDS, then counts the messages the
//       thread takes for SECONDS; prints "begin" and "end" lines at the edges
//       of the count, then one JSON object
//   notch_idle_probe memory CLASS
//       the memory of the process owning the window of CLASS, as JSON
//   notch_idle_probe close CLASS
//       posts WM_CLOSE to the window of CLASS
//   notch_idle_probe signal EVENT
//       sets the named event EVENT (the tour build's media play and pause)
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "common/app_messages.h"
#include "idle-probe/idle_counters_win.h"
#include "idle-probe/idle_tally.h"
#include "panel/panel_page.h"

namespace {

using notch::idle::CounterTable;
using notch::idle::MessageCount;

constexpr wchar_t kBaselineClass[] = L"TemboNotchIdleBaseline";
constexpr DWORD kWaitMs = 15000;
// The program's window thread may be busy for a while after it starts.
constexpr DWORD kHookWaitMs = 90000;

std::string Narrow(const wchar_t* text) {
  std::string narrow;
  for (; *text != L'\0'; ++text) narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
  return narrow;
}

std::string JsonText(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

bool WaitFor(const std::function<bool()>& condition, DWORD limit_ms = kWaitMs) {
  for (DWORD waited = 0; waited < limit_ms; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}

HWND WaitForWindow(const wchar_t* window_class) {
  HWND window = nullptr;
  WaitFor([&] { return (window = FindWindowW(window_class, nullptr)) != nullptr; });
  return window;
}

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

int RunBaselineWindow() {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = BaselineProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  window_class.lpszClassName = kBaselineClass;
  if (RegisterClassExW(&window_class) == 0) return 1;
  const HWND window =
      CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kBaselineClass, L"baseline", WS_POPUP | WS_VISIBLE, 100, 0, 300,
                      40, nullptr, nullptr, window_class.hInstance, nullptr);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
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
                                  notch::idle::CounterTableName(process_id_).c_str());
    if (section_ != nullptr) {
      table_ = static_cast<CounterTable*>(MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(CounterTable)));
    }
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll = path;
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"notch_idle_hook.dll";
    const HMODULE module = LoadLibraryW(dll.c_str());
    const auto proc =
        module == nullptr
            ? nullptr
            : reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, notch::idle::kHookProcName)));
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
  const CounterTable& table() const { return *table_; }

  std::vector<MessageCount> Counters() const {
    std::vector<MessageCount> counts;
    const LONG used = table_->used;
    for (LONG i = 0; i < used && i < notch::idle::kCounterSlots; ++i) {
      const auto& slot = table_->slots[i];
      counts.push_back({Narrow(slot.window_class), slot.message, slot.id, static_cast<std::uint64_t>(slot.count)});
    }
    return counts;
  }

  // The process's memory, as JSON: what it reports of itself through the
  // hook, and its committed pages walked from here.
  std::string MemoryJson() {
    const LONG asked = InterlockedIncrement(&table_->figures_asked);
    const bool given = WaitFor([&] {
      PostMessageW(window_, WM_NULL, 0, 0);
      return table_->figures_given == asked;
    });
    const notch::idle::ProcessFigures figures = table_->figures;
    // Committed private pages as the Windows side of the process sees them:
    // the heaps and stacks of the program and of the system libraries it
    // loaded, not the host libraries behind them.
    unsigned long long committed_private = 0, committed_image = 0, committed_mapped = 0;
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process_id_);
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         process != nullptr && VirtualQueryEx(process, address, &region, sizeof region) == sizeof region &&
         region.RegionSize != 0;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
      if (region.State != MEM_COMMIT) continue;
      if (region.Type == MEM_PRIVATE) committed_private += region.RegionSize;
      if (region.Type == MEM_IMAGE) committed_image += region.RegionSize;
      if (region.Type == MEM_MAPPED) committed_mapped += region.RegionSize;
    }
    if (process != nullptr) CloseHandle(process);
    char text[768];
    std::snprintf(text, sizeof text,
                  "{\"private_bytes\": %llu, \"working_set_bytes\": %llu, \"committed_private_bytes\": %llu, "
                  "\"committed_image_bytes\": %llu, \"committed_mapped_bytes\": %llu, \"handles\": %lu, "
                  "\"gdi_objects\": %lu, \"user_objects\": %lu%s}",
                  static_cast<unsigned long long>(figures.private_bytes),
                  static_cast<unsigned long long>(figures.working_set_bytes), committed_private, committed_image,
                  committed_mapped, figures.handles, figures.gdi_objects, figures.user_objects,
                  given ? "" : ", \"error\": \"the program did not answer\"");
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

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  const auto key = [&inputs](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (const WORD vk : keys) key(vk, false);
  for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk) key(*vk, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Opens the panel on the page that holds `control`, then Esc on that
// control closes it again; false when either did not happen in time.
bool OpenAndClosePanel(const std::function<void()>& open, int control) {
  open();
  HWND panel = nullptr;
  const bool opened = WaitFor([&] {
    panel = FindWindowW(L"TemboNotchQuickControls", nullptr);
    return panel != nullptr && IsWindowVisible(panel) && GetDlgItem(panel, control) != nullptr;
  });
  if (!opened) return false;
  Sleep(1000);  // a person looks at it for a moment
  PostMessageW(GetDlgItem(panel, control), WM_KEYDOWN, VK_ESCAPE, 0);
  return WaitFor([&] { return !IsWindowVisible(panel); });
}

int Measure(const wchar_t* window_class, double seconds, double settle_seconds, int panel_rounds) {
  HookedProcess program(window_class);
  if (!program.error().empty()) {
    std::fprintf(stderr, "notch_idle_probe: %s\n", program.error().c_str());
    return 1;
  }

  int rounds_failed = 0;
  for (int round = 0; round < panel_rounds; ++round) {
    if (!OpenAndClosePanel([] { PressChord({VK_MENU, VK_SPACE}); }, notch::quick::control::kSearchEdit))
      ++rounds_failed;
    const HWND host = FindWindowW(L"StandaloneTemboNotchHost", nullptr);
    const auto from_tray = [host] {
      // The tray menu's Quick Controls item is the third from the bottom.
      PostMessageW(host, notch::host_message::kTrayIcon, 1, WM_RBUTTONUP);
      for (const WPARAM key : {VK_UP, VK_UP, VK_UP, VK_RETURN}) PostMessageW(host, WM_KEYDOWN, key, 0);
    };
    if (host == nullptr || !OpenAndClosePanel(from_tray, notch::quick::control::kCustomize)) ++rounds_failed;
  }
  Sleep(static_cast<DWORD>(settle_seconds * 1000));

  const std::string memory_before = program.MemoryJson();
  const std::vector<MessageCount> before = program.Counters();
  std::printf("begin\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds * 1000));
  const std::vector<MessageCount> after = program.Counters();
  std::printf("end\n");
  std::fflush(stdout);
  const std::string memory_after = program.MemoryJson();

  const notch::idle::IdleTally tally = notch::idle::Tally(before, after);
  std::string json = "{";
  char number[256];
  std::snprintf(number, sizeof number,
                "\"seconds\": %.1f, \"panel_rounds\": %d, \"panel_rounds_failed\": %d, "
                "\"frame_messages\": {\"island\": %llu, \"panel\": %llu}, "
                "\"timer_messages\": {\"host_300ms\": %llu, \"other\": %llu, \"other_by_window_and_id\": {",
                seconds, panel_rounds, rounds_failed, static_cast<unsigned long long>(tally.island_frames),
                static_cast<unsigned long long>(tally.panel_frames), static_cast<unsigned long long>(tally.host_timer),
                static_cast<unsigned long long>(tally.other_timers));
  json += number;
  const auto add_map = [&json](const std::map<std::string, std::uint64_t>& values) {
    bool first = true;
    for (const auto& [name, count] : values) {
      json += (first ? "" : ", ") + JsonText(name) + ": " + std::to_string(count);
      first = false;
    }
  };
  add_map(tally.other_timers_by_source);
  json += "}}, \"window_thread_messages\": " + std::to_string(tally.all_messages) + ", \"by_window_and_message\": {";
  add_map(tally.moved);
  json += "}, \"counter_overflow\": " + std::to_string(program.table().overflow);
  json += ", \"memory_before\": " + memory_before + ", \"memory_after\": " + memory_after + "}";
  std::printf("%s\n", json.c_str());
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"window") return RunBaselineWindow();
  if (command == L"measure" && argc >= 4) {
    const double settle = argc > 4 ? _wtof(argv[4]) : 5.0;
    const int rounds = argc > 5 ? _wtoi(argv[5]) : 0;
    return Measure(argv[2], _wtof(argv[3]), settle, rounds);
  }
  if (command == L"memory" && argc >= 3) {
    HookedProcess process(argv[2]);
    if (!process.error().empty()) {
      std::fprintf(stderr, "notch_idle_probe: %s\n", process.error().c_str());
      return 1;
    }
    std::printf("%s\n", process.MemoryJson().c_str());
    return 0;
  }
  if (command == L"close" && argc >= 3) {
    const HWND window = WaitForWindow(argv[2]);
    return window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (command == L"signal" && argc >= 3) {
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
    const bool set = event != nullptr && SetEvent(event);
    if (event != nullptr) CloseHandle(event);
    if (!set) std::fprintf(stderr, "notch_idle_probe: no event %ls\n", argv[2]);
    return set ? 0 : 1;
  }
  std::fprintf(stderr,
               "usage: notch_idle_probe window | measure CLASS SECONDS [SETTLE [PANEL_ROUNDS]] | "
               "memory CLASS | close CLASS | signal EVENT\n");
  return 2;
}
