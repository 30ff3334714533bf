#pragma once
// A key-value store with the reading rules of the Windows private-profile
// (INI) functions: values come back trimmed, without surrounding quotes and
// cut to kProfileValueChars - 1 characters.
#include <cstddef>
#include <string>
#include <string_view>

namespace notch {

inline constexpr std::size_t kProfileValueChars = 512;

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  virtual std::wstring Read(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const = 0;
  // Creates the file, the section and the key as needed.
  virtual bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
};

// What a profile read returns for a default: trailing blanks stripped and the
// buffer cut applied.
std::wstring ProfileDefault(std::wstring_view fallback);

}  // namespace notch
