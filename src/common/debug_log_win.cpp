#include "common/debug_log_win.h"

#include <windows.h>

#include <string>

#include "common/debug_log.h"

namespace notch {
namespace {

void WriteToDebugger(std::wstring_view line) {
  const std::wstring text(line);
  OutputDebugStringW(text.c_str());
  OutputDebugStringW(L"\n");
}

}  // namespace

void InstallOutputDebugStringSink() { SetDebugLogSink(&WriteToDebugger); }

}  // namespace notch
