#pragma once
// One row of the Quick Search list and the order rows are shown in.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notch::quick {

enum class ResultKind : int { Web = 0, App = 1, File = 2, Folder = 3, Setting = 4, Calc = 5, Link = 6 };

// "Web", "App", "File", "Folder", "Notch", "Calc", "Link".
std::wstring_view ResultKindLabel(ResultKind kind);

// Glyphs of the Segoe Fluent Icons font.
namespace icon {
inline constexpr char16_t kApp = 0xE71D;
inline constexpr char16_t kWeb = 0xE774;
inline constexpr char16_t kFile = 0xE8A5;
inline constexpr char16_t kFolder = 0xE8B7;
inline constexpr char16_t kCalculator = 0xE8EF;
}  // namespace icon

struct SearchResult {
  ResultKind kind = ResultKind::Web;
  std::wstring title;
  std::wstring subtitle;
  std::wstring target;     // what is opened or copied
  std::wstring arguments;  // extra command-line arguments, usually none
  char16_t icon = icon::kWeb;
  std::int32_t score = 0;  // higher first

  bool operator==(const SearchResult&) const = default;
};

// Highest score first; rows of equal score keep the order they were produced in.
void RankResults(std::vector<SearchResult>& results);

}  // namespace notch::quick
