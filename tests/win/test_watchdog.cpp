// A test that hangs under Wine would otherwise leave only the runner's
// timeout, with no word of which test it was. The watchdog names the test
// that has run too long and ends the suite with a failure.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace notch::testing {
namespace {

// Far above the slowest test (a few process tests take some seconds), far
// below the runner's limit for the whole suite.
constexpr ULONGLONG kLimitMs = 240'000;
constexpr DWORD kLookEveryMs = 1000;

class Watchdog : public ::testing::EmptyTestEventListener {
 public:
  void OnTestProgramStart(const ::testing::UnitTest&) override {
    HANDLE thread = CreateThread(nullptr, 0, &Watchdog::Watch, this, 0, nullptr);
    if (thread) CloseHandle(thread);
  }
  void OnTestStart(const ::testing::TestInfo& test) override {
    name_ = std::string(test.test_suite_name()) + "." + test.name();
    started_ms_.store(GetTickCount64());
  }
  void OnTestEnd(const ::testing::TestInfo&) override { started_ms_.store(0); }

 private:
  static DWORD WINAPI Watch(void* self) {
    auto& watchdog = *static_cast<Watchdog*>(self);
    for (;;) {
      Sleep(kLookEveryMs);
      const ULONGLONG started = watchdog.started_ms_.load();
      if (started != 0 && GetTickCount64() - started > kLimitMs) {
        std::fprintf(stderr, "\n%s has run for more than %llu s: stopping the suite\n", watchdog.name_.c_str(),
                     kLimitMs / 1000);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
      }
    }
  }

  // Written before `started_ms_` is set and read after it is seen set.
  std::string name_;
  std::atomic<ULONGLONG> started_ms_{0};
};

const bool kInstalled = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
  return true;
}();

}  // namespace
}  // namespace notch::testing
