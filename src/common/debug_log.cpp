#include "common/debug_log.h"

#include <atomic>
#include <cwchar>
#include <vector>

namespace notch {
namespace {

std::atomic<DebugLogSink> g_sink{nullptr};

// Upper bound for the retry buffer when a line does not fit: vswprintf
// reports overflow without saying how much room it needed.
constexpr std::size_t kLargestRetryChars = 1 << 16;

}  // namespace

DebugLogSink SetDebugLogSink(DebugLogSink sink) { return g_sink.exchange(sink); }

std::wstring FormatDebugLine(const wchar_t* format, std::va_list arguments) {
  std::vector<wchar_t> buffer(kDebugLogBufferChars, L'\0');
  for (;;) {
    std::va_list copy;
    va_copy(copy, arguments);
    const int written = std::vswprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (written >= 0) break;
    if (buffer.size() >= kLargestRetryChars) {
      buffer[0] = L'\0';  // an encoding error: nothing sensible to show
      break;
    }
    buffer.assign(buffer.size() * 4, L'\0');
  }
  std::wstring line(buffer.data());
  if (line.size() > kDebugLogBufferChars - 1) line.resize(kDebugLogBufferChars - 1);
  return line;
}

void DebugLog(const wchar_t* format, ...) {
  const DebugLogSink sink = g_sink.load();
  if (sink == nullptr) return;
  std::va_list arguments;
  va_start(arguments, format);
  const std::wstring line = FormatDebugLine(format, arguments);
  va_end(arguments);
  sink(line);
}

}  // namespace notch
