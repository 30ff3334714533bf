// The clipboard history on the real clipboard: texts another process copies
// are kept, an entry copied back is on the clipboard and is not kept again,
// and marked content is left alone. The statistics source reads the real
// counters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activities/clipboard_activity.h"
#include "activities/clipboard_port_win.h"
#include "activities/statistics_source_win.h"
#include "message_pump.h"
#include "win_test_support.h"

namespace notch {
namespace {

// A hidden window that listens to the clipboard the way the island does.
class ListeningWindow {
 public:
  ListeningWindow() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = Proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"NotchClipboardTestWindow";
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, window_class.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, window_class.hInstance, this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    activity_.Listen();
  }
  ~ListeningWindow() {
    RemoveClipboardFormatListener(window_);
    DestroyWindow(window_);
  }
  ListeningWindow(const ListeningWindow&) = delete;
  ListeningWindow& operator=(const ListeningWindow&) = delete;

  HWND window() const { return window_; }
  ClipboardActivity& activity() { return activity_; }
  int updates() const { return updates_; }
  int own_copies() const { return own_copies_; }
  std::vector<std::wstring> History() const {
    std::vector<std::wstring> texts;
    for (std::size_t i = 0; i < activity_.history().size(); ++i) texts.push_back(activity_.history()[i].text);
    return texts;
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<ListeningWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CLIPBOARDUPDATE && self) {
      ++self->updates_;
      if (self->activity_.TakeOwnCopy()) {
        ++self->own_copies_;
      } else {
        self->activity_.Capture();
      }
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  HWND window_ = nullptr;
  WindowsClipboard clipboard_{[this] { return window_; }};
  ClipboardActivity activity_{&clipboard_};
  int updates_ = 0, own_copies_ = 0;
};

// Runs notch_clipboard_writer with `arguments` and waits for it to end.
DWORD CopyInAnotherProcess(const std::wstring& arguments) {
  std::wstring command = L"\"" + testing::TestExecutableFolder() + L"\\notch_clipboard_writer.exe\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return 0xFFFFFFFF;
  }
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return code;
}

std::wstring ClipboardText() {
  std::wstring text;
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  if (const HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* data = static_cast<const wchar_t*>(GlobalLock(block))) {
      text = data;
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

TEST(ClipboardHistoryWinTest, TextCopiedInAnotherProcessIsKeptTrimmed) {
  ListeningWindow island;
  ASSERT_EQ(CopyInAnotherProcess(L"\"  copied elsewhere\r\n\""), 0u);
  EXPECT_TRUE(testing::PumpUntil([&] { return !island.History().empty(); }));
  EXPECT_EQ(island.History(), std::vector<std::wstring>{L"copied elsewhere"});
}

TEST(ClipboardHistoryWinTest, AnEntryCopiedBackIsOnTheClipboardAndNotKeptAgain) {
  ListeningWindow island;
  ASSERT_EQ(CopyInAnotherProcess(L"older"), 0u);
  ASSERT_TRUE(testing::PumpUntil([&] { return island.History().size() == 1; }));
  ASSERT_EQ(CopyInAnotherProcess(L"newer"), 0u);
  ASSERT_TRUE(testing::PumpUntil([&] { return island.History().size() == 2; }));

  const int updates = island.updates();
  ASSERT_TRUE(island.activity().Activate({clipboard_hit::kEntry, 1}));
  EXPECT_EQ(ClipboardText(), L"older");
  EXPECT_TRUE(testing::PumpUntil([&] { return island.updates() > updates; }));
  EXPECT_EQ(island.own_copies(), 1);
  EXPECT_EQ(island.History(), (std::vector<std::wstring>{L"newer", L"older"}));
}

TEST(ClipboardHistoryWinTest, MarkedContentIsLeftAlone) {
  ListeningWindow island;
  ASSERT_EQ(CopyInAnotherProcess(L"--exclude \"first secret\""), 0u);
  ASSERT_EQ(CopyInAnotherProcess(L"--private \"second secret\""), 0u);
  ASSERT_EQ(CopyInAnotherProcess(L"\"not a secret\""), 0u);
  ASSERT_TRUE(testing::PumpUntil([&] { return !island.History().empty(); }));
  // The updates come in order: once the last is kept, the others were seen.
  EXPECT_EQ(island.History(), std::vector<std::wstring>{L"not a secret"});
}

TEST(StatisticsSourceWinTest, ReadsTheProcessorTimesMemoryAndInterfaceTable) {
  WindowsStatisticsSource source;
  const StatisticsReadings first = source.Read();
  ASSERT_TRUE(first.times.has_value());
  EXPECT_GE(first.times->kernel, first.times->idle);
  ASSERT_TRUE(first.memory_load_percent.has_value());
  EXPECT_LE(*first.memory_load_percent, 100u);
  ASSERT_TRUE(first.interfaces.has_value());
  for (const InterfaceCounters& row : *first.interfaces) {
    if (row.type == kInterfaceLoopback) {
      EXPECT_FALSE(CountsForThroughput(row));
    }
  }

  SystemStatistics statistics;
  statistics.Sample(first, 0);
  statistics.Sample(source.Read(), 1000);
  EXPECT_EQ(statistics.cpu_history().size(), 1u);
  EXPECT_GE(statistics.cpu_load(), 0.0f);
  EXPECT_LE(statistics.cpu_load(), 1.0f);
  EXPECT_EQ(statistics.memory_history().size(), 2u);
  EXPECT_EQ(statistics.network_history().size(), 1u);
}

}  // namespace
}  // namespace notch
