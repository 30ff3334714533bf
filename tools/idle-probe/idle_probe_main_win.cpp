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
#include "idle-probe/hooked_process_win.h"
#include "idle-probe/idle_tally.h"
#include "panel/panel_page.h"
#include "win/key_chord.h"

namespace {

using notch::idle::HookedProcess;
using notch::idle::MessageCount;
using notch::idle::WaitFor;
using notch::idle::WaitForWindow;
using notch::testing::PressChord;

constexpr wchar_t kBaselineClass[] = L"TemboNotchIdleBaseline";

std::string JsonText(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
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
