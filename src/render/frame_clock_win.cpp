#include "render/frame_clock_win.h"

#include <dwmapi.h>

#include <memory>
#include <thread>
#include <vector>

#include "common/debug_log.h"
#include "render/frame_clock.h"

namespace notch {
namespace {

struct FrameClockRecord {
  HWND window = nullptr;
  UINT message = 0;
  FrameClockState state;
  HANDLE wake_event = nullptr;  // auto-reset
};

// Changed only on window threads; records live as long as the process.
std::vector<std::unique_ptr<FrameClockRecord>>& Records() {
  static std::vector<std::unique_ptr<FrameClockRecord>> records;
  return records;
}

FrameClockRecord* Find(HWND window, UINT message) {
  for (const auto& record : Records()) {
    if (record->window == window && record->message == message) return record.get();
  }
  return nullptr;
}

class WindowsFrameClockDriver final : public FrameClockDriver {
 public:
  explicit WindowsFrameClockDriver(FrameClockRecord& record) : record_(record) {
    QueryPerformanceFrequency(&frequency_);
  }

  Flush WaitForCompositor() override {
    const double start = NowMs();
    const HRESULT hr = DwmFlush();
    return {SUCCEEDED(hr), NowMs() - start};
  }
  double RefreshIntervalMs() override {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1) {
      return 1000.0 / mode.dmDisplayFrequency;
    }
    return 1000.0 / 60.0;
  }
  void Sleep(double ms) override { ::Sleep(static_cast<DWORD>(ms + 0.5)); }
  bool WindowAlive() override { return IsWindow(record_.window) != 0; }
  void Post() override { PostMessageW(record_.window, record_.message, 0, 0); }
  std::uint32_t TickMs() override { return GetTickCount(); }
  void LogLongRun(std::uint32_t seconds) override {
    wchar_t class_name[65] = {};
    GetClassNameW(record_.window, class_name, 65);
    DebugLog(L"relógio de quadros: %ls (msg %u) ligado há %lu s", class_name, record_.message,
             static_cast<unsigned long>(seconds));
  }

 private:
  double NowMs() const {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency_.QuadPart);
  }

  FrameClockRecord& record_;
  LARGE_INTEGER frequency_{};
};

void ClockThread(FrameClockRecord* record) {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  WindowsFrameClockDriver driver(*record);
  for (;;) {
    RunFrameClock(record->state, driver);
    WaitForSingleObject(record->wake_event, INFINITE);
  }
}

}  // namespace

void SetFrameClock(HWND window, UINT message, bool on) {
  FrameClockRecord* record = Find(window, message);
  if (record == nullptr) {
    if (!on) return;
    auto created = std::make_unique<FrameClockRecord>();
    created->window = window;
    created->message = message;
    created->wake_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    record = created.get();
    Records().push_back(std::move(created));
    std::thread(ClockThread, record).detach();
    return;
  }
  if (record->state.SetRunning(on)) SetEvent(record->wake_event);
}

bool AcknowledgeFrame(HWND window, UINT message) {
  FrameClockRecord* record = Find(window, message);
  return record != nullptr && record->state.Acknowledge();
}

bool FrameClockRunning(HWND window, UINT message) {
  const FrameClockRecord* record = Find(window, message);
  return record != nullptr && record->state.running.load();
}

}  // namespace notch
