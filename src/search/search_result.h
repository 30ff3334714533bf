#pragma once
// One row of the Quick Search list and the order rows are shown in.
#include <cstdint>
#include <span>
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
// The same with the caller's scratch for the order, which allocates nothing
// once `order` has held as many rows.
void RankResults(std::span<SearchResult> results, std::vector<std::uint32_t>& order);

// A list of rows refilled for each query. Clear keeps the rows and their
// strings, so that a refill that writes them with assign and append reuses
// their buffers and allocates nothing once they have held as much.
class ResultRows {
 public:
  void Clear() { count_ = 0; }
  // The next row, as a default SearchResult would be (empty texts that keep
  // their buffers).
  SearchResult& Add();
  // Takes back the last row added, for a builder that found no row after all.
  void DropLast() {
    if (count_ > 0) --count_;
  }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::span<const SearchResult> rows() const { return {rows_.data(), count_}; }
  void Rank() { RankResults(std::span<SearchResult>(rows_.data(), count_), order_); }

 private:
  static constexpr std::size_t kTitleRoom = 64;
  static constexpr std::size_t kTargetRoom = 160;

  std::vector<SearchResult> rows_;
  std::size_t count_ = 0;
  std::vector<std::uint32_t> order_;
};

}  // namespace notch::quick
