#include "common/ini_file_store.h"

#include <system_error>

#include "common/file_io.h"

namespace notch {

std::optional<IniFileStore::Loaded> IniFileStore::Load() const {
  const auto bytes = ReadFileBytes(path_);
  if (!bytes) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path_, error);
    if (exists || error) return std::nullopt;
    return Loaded{IniDocument(), TextEncoding::Utf16LeWithMark};
  }
  DecodedText decoded = DecodeTextFile(*bytes);
  return Loaded{IniDocument::Parse(decoded.text), decoded.encoding};
}

std::wstring IniFileStore::Read(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const {
  const auto loaded = Load();
  return loaded ? loaded->document.Read(section, key, fallback) : ProfileDefault(fallback);
}

bool IniFileStore::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  auto loaded = Load();
  if (!loaded) return false;
  loaded->document.Set(section, key, value);
  return ReplaceFileBytes(path_, EncodeTextFile(loaded->document.ToText(), loaded->encoding));
}

}  // namespace notch
