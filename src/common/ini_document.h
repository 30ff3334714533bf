#pragma once
// INI text held as its lines, so that writing one key keeps every other line
// of the file as the user left it.
//
// Reading follows the private-profile functions: section and key names
// compare case-insensitively (ASCII), blanks around names and values are
// trimmed, a value enclosed in matching single or double quotes loses them,
// lines starting with ';' are comments, and the first matching section and
// key win.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/profile_store.h"

namespace notch {

class IniDocument final : public ProfileStore {
 public:
  IniDocument() = default;
  static IniDocument Parse(std::wstring_view text);

  // The stored value after trimming and quote removal, not yet cut.
  std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;
  void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  // Lines joined with CR LF, as the profile functions write them.
  std::wstring ToText() const;

  std::wstring Read(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const override;
  bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

 private:
  struct KeyLine {
    std::wstring_view key;
    std::wstring_view value;
  };
  static std::optional<std::wstring_view> SectionName(std::wstring_view line);
  static std::optional<KeyLine> SplitKeyLine(std::wstring_view line);

  // Index of the first line of the first section named `section`'s body and
  // one past its last line, or nothing.
  struct Range {
    std::size_t begin, end;
  };
  std::optional<Range> FindSection(std::wstring_view section) const;

  std::vector<std::wstring> lines_;
};

}  // namespace notch
