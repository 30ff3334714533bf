#pragma once
// Sets an environment variable for one test and puts back what was there
// before (or removes it), so that later tests see the process as it was.
#include <cstdlib>
#include <optional>
#include <string>

#include "common/environment.h"
#include "common/text.h"

namespace notch::testing {

class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(std::wstring name, const std::wstring& value)
      : name_(std::move(name)), previous_(ReadEnvironmentVariable(name_)) {
    Set(value);
  }
  ~ScopedEnvironmentVariable() {
    if (previous_) {
      Set(*previous_);
    } else {
      Unset();
    }
  }
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  void Set(const std::wstring& value) {
#ifdef _WIN32
    _wputenv_s(name_.c_str(), value.c_str());
#else
    setenv(WideToUtf8(name_).c_str(), WideToUtf8(value).c_str(), 1);
#endif
  }
  void Unset() {
#ifdef _WIN32
    _wputenv_s(name_.c_str(), L"");  // an empty value removes the variable
#else
    unsetenv(WideToUtf8(name_).c_str());
#endif
  }

  std::wstring name_;
  std::optional<std::wstring> previous_;
};

}  // namespace notch::testing
