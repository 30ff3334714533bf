#include "host/start_with_windows.h"

#include "common/text.h"

namespace notch {
namespace {

// An empty REG_SZ still holds its UTF-16 terminator.
constexpr std::size_t kEmptyStringBytes = 2;

}  // namespace

std::optional<std::wstring> RunValueForExecutable(std::wstring_view executable_path) {
  if (executable_path.empty()) return std::nullopt;
  std::wstring quoted = L"\"" + std::wstring(executable_path) + L"\"";
  // The registry counts UTF-16 units, whatever the width of wchar_t here.
  if (Utf16Length(quoted) + 1 > kRunValueChars) return std::nullopt;
  return quoted;
}

bool StartWithWindowsEnabled(const RunKey& run_key) {
  const auto bytes = run_key.ValueBytes();
  return bytes && *bytes > kEmptyStringBytes;
}

bool SetStartWithWindows(RunKey& run_key, bool on, std::wstring_view executable_path) {
  if (!on) return run_key.Delete();
  const auto value = RunValueForExecutable(executable_path);
  return value && run_key.Write(*value);
}

}  // namespace notch
