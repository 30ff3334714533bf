#include "search/search_result.h"

#include <algorithm>
#include <array>

namespace notch::quick {

std::wstring_view ResultKindLabel(ResultKind kind) {
  static constexpr std::array<std::wstring_view, 7> kLabels = {L"Web",   L"App",  L"File", L"Folder",
                                                               L"Notch", L"Calc", L"Link"};
  const auto index = static_cast<std::size_t>(kind);
  return index < kLabels.size() ? kLabels[index] : std::wstring_view();
}

void RankResults(std::vector<SearchResult>& results) {
  std::stable_sort(results.begin(), results.end(),
                   [](const SearchResult& a, const SearchResult& b) { return a.score > b.score; });
}

}  // namespace notch::quick
