#pragma once
// The rows each reading of a query produces: web shortcut, link, path,
// calculation, settings entries, the web fallback, and the empty-query list.
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

// Each builder adds its rows to `rows` (none when the query is not of its
// kind), writing into rows kept from earlier queries.

// The hint row and the first settings entries.
void AddEmptyQueryRows(ResultRows& rows, std::wstring_view browser_label);

void AddShortcutRow(ResultRows& rows, const ShortcutQuery& query, std::wstring_view browser_label);
void AddLinkRow(ResultRows& rows, std::wstring_view trimmed, std::wstring_view browser_label);
// A typed "C:\..." or "\\server\..." path: one on a fixed drive when it
// exists; a network path or one on another drive as typed, without asking.
// Returns the row added (valid until the next is added), or nullptr.
const SearchResult* AddPathRow(ResultRows& rows, std::wstring_view trimmed, const FileSystem& disk);
void AddCalculationRow(ResultRows& rows, std::wstring_view trimmed);
// Settings entries whose title matches or whose keywords contain the query,
// in table order.
void AddSettingsMatches(ResultRows& rows, std::wstring_view lower_query);
void AddWebFallbackRow(ResultRows& rows, std::wstring_view trimmed, std::wstring_view browser_label,
                       std::wstring_view fallback_setting);

}  // namespace notch::quick
