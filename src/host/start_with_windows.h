#pragma once
// Starting with Windows: the value "TemboNotch" under the current user's Run
// key holds the quoted executable path. The registry sits behind RunKey.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace notch {

inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"TemboNotch";
// The Run value, terminator included, must fit this many characters.
inline constexpr std::size_t kRunValueChars = 260;

class RunKey {
 public:
  virtual ~RunKey() = default;
  // The size in bytes the value reports when read as REG_SZ (terminator
  // included); nothing when it is missing or of another type.
  virtual std::optional<std::size_t> ValueBytes() const = 0;
  virtual bool Write(std::wstring_view text) = 0;
  // Deleting a value that is not there counts as done.
  virtual bool Delete() = 0;
};

// The executable path in double quotes; nothing when the path is empty or the
// quoted text would not fit kRunValueChars.
std::optional<std::wstring> RunValueForExecutable(std::wstring_view executable_path);

// On when the value holds more than an empty string's terminator.
bool StartWithWindowsEnabled(const RunKey& run_key);

// Writes or deletes the value; false when that could not be done.
bool SetStartWithWindows(RunKey& run_key, bool on, std::wstring_view executable_path);

}  // namespace notch
