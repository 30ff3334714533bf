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
  std::vector<std::uint32_t> order;
  RankResults(results, order);
}

void RankResults(std::span<SearchResult> results, std::vector<std::uint32_t>& order) {
  order.clear();
  for (std::size_t i = 0; i < results.size(); ++i) order.push_back(static_cast<std::uint32_t>(i));
  // The production order breaks ties, which keeps the sort stable without
  // the buffer std::stable_sort takes.
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return results[a].score != results[b].score ? results[a].score > results[b].score : a < b;
  });
  // order[i] names the row that belongs at i. Each cycle of the permutation
  // is walked once, swapping rows (which swaps their strings' buffers); a
  // place done is marked by pointing at itself.
  for (std::uint32_t start = 0; start < order.size(); ++start) {
    std::uint32_t at = start;
    while (order[at] != at) {
      const std::uint32_t from = order[at];
      order[at] = at;
      if (from == start) break;
      std::swap(results[at], results[from]);
      at = from;
    }
  }
}

SearchResult& ResultRows::Add() {
  if (count_ == rows_.size()) {
    // Ranking swaps rows, and with them their buffers, so every slot starts
    // with room for a usual row: otherwise a long text moved into a slot that
    // held a short one reallocates there, keystroke after keystroke.
    SearchResult& row = rows_.emplace_back();
    row.title.reserve(kTitleRoom);
    row.subtitle.reserve(kTitleRoom);
    row.target.reserve(kTargetRoom);
  }
  SearchResult& row = rows_[count_++];
  row.kind = ResultKind::Web;
  row.title.clear();
  row.subtitle.clear();
  row.target.clear();
  row.arguments.clear();
  row.icon = icon::kWeb;
  row.score = 0;
  return row;
}

}  // namespace notch::quick
