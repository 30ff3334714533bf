#pragma once
// The rows each reading of a query produces: web shortcut, link, path,
// calculation, settings entries, the web fallback, and the empty-query list.
#include <optional>
#include <string_view>
#include <vector>

#include "search/file_system.h"
#include "search/search_result.h"
#include "search/web_shortcuts.h"

namespace notch::quick {

namespace score {
inline constexpr int kShortcutWithText = 2500;
inline constexpr int kPath = 2450;
inline constexpr int kCalculation = 2400;
inline constexpr int kBareShortcut = 2300;
inline constexpr int kLink = 2250;
inline constexpr int kEmptyQueryHint = 900;
inline constexpr int kSettingsKeyword = 850;
inline constexpr int kSuggestion = 800;
inline constexpr int kWebFallback = 120;
}  // namespace score

// The hint row and the first settings entries.
std::vector<SearchResult> EmptyQueryRows(std::wstring_view browser_label);

SearchResult ShortcutRow(const ShortcutQuery& query, std::wstring_view browser_label);
std::optional<SearchResult> LinkRow(std::wstring_view trimmed, std::wstring_view browser_label);
// A typed "C:\..." or "\\server\..." path: one on a fixed drive when it
// exists; a network path or one on another drive as typed, without asking.
std::optional<SearchResult> PathRow(std::wstring_view trimmed, const FileSystem& disk);
std::optional<SearchResult> CalculationRow(std::wstring_view trimmed);
// Settings entries whose title matches or whose keywords contain the query,
// in table order.
void AppendSettingsMatches(std::vector<SearchResult>& rows, std::wstring_view lower_query);
SearchResult WebFallbackRow(std::wstring_view trimmed, std::wstring_view browser_label,
                            std::wstring_view fallback_setting);

}  // namespace notch::quick
