#pragma once
// A ProfileStore over an INI file on disk, read again on every call (there is
// no cache: a value written anywhere is seen by the next read).
//
// New files are written as UTF-16LE with a byte order mark, the form in which
// the Windows profile functions keep non-ANSI text intact; existing files keep
// their encoding.
#include <filesystem>
#include <optional>
#include <string>

#include "common/ini_document.h"
#include "common/profile_store.h"
#include "common/text_file.h"

namespace notch {

class IniFileStore final : public ProfileStore {
 public:
  explicit IniFileStore(std::filesystem::path path) : path_(std::move(path)) {}

  std::wstring Read(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const override;
  bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

 private:
  struct Loaded {
    IniDocument document;
    TextEncoding encoding;
  };
  // Nothing when the file exists but cannot be read: writing then would
  // replace the user's file with a single key.
  std::optional<Loaded> Load() const;

  std::filesystem::path path_;
};

}  // namespace notch
