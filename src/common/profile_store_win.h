#pragma once
// ProfileStore over GetPrivateProfileStringW / WritePrivateProfileStringW.
#include <string>

#include "common/profile_store.h"

namespace notch {

class WindowsProfileStore final : public ProfileStore {
 public:
  explicit WindowsProfileStore(std::wstring path) : path_(std::move(path)) {}

  std::wstring Read(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const override;
  // A file that does not exist yet is first created holding only a UTF-16LE
  // byte order mark: the profile functions then write Unicode text, where a
  // file they create themselves would hold the ANSI code page and lose every
  // character outside it.
  bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

 private:
  std::wstring path_;
};

}  // namespace notch
