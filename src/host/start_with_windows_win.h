#pragma once
// Starting with Windows through the current user's Run key.
#include <windows.h>

#include "host/start_with_windows.h"

namespace notch {

class WindowsRunKey final : public RunKey {
 public:
  std::optional<std::size_t> ValueBytes() const override;
  bool Write(std::wstring_view text) override;
  bool Delete() override;
};

// For this executable.
bool StartWithWindowsEnabled();
bool SetStartWithWindows(bool on);

}  // namespace notch
