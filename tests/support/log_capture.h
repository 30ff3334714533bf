#pragma once
// Collects debug log lines for the lifetime of the object.
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "common/debug_log.h"

namespace notch::testing {

class LogCapture {
 public:
  LogCapture() { previous_ = SetDebugLogSink(&Collect); }
  ~LogCapture() {
    SetDebugLogSink(previous_);
    std::lock_guard lock(Mutex());
    Lines().clear();
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<std::wstring> lines() const {
    std::lock_guard lock(Mutex());
    return Lines();
  }

 private:
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
  static std::vector<std::wstring>& Lines() {
    static std::vector<std::wstring> lines;
    return lines;
  }
  static void Collect(std::wstring_view line) {
    std::lock_guard lock(Mutex());
    Lines().emplace_back(line);
  }

  DebugLogSink previous_ = nullptr;
};

}  // namespace notch::testing
