#include "search/query_rows.h"

#include <algorithm>

#include "search/calculator.h"
#include "search/fuzzy_score.h"
#include "search/link_rule.h"
#include "search/search_text.h"
#include "search/settings_entries.h"

namespace notch::quick {
namespace {

constexpr std::wstring_view kDot = L" \u00B7 ";

SearchResult WebRow(ResultKind kind, std::wstring title, std::wstring subtitle, std::wstring target, int score) {
  return SearchResult{kind, std::move(title), std::move(subtitle), std::move(target), {}, icon::kWeb, score};
}

SearchResult SettingsRow(const SettingsEntry& entry, int score) {
  return SearchResult{ResultKind::Setting, entry.title, entry.subtitle, entry.target, {}, entry.icon, score};
}

std::wstring SearchTitle(const WebShortcut& shortcut, std::wstring_view text) {
  return L"Search " + std::wstring(shortcut.name) + L" for " + Quoted(text);
}

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

}  // namespace

std::vector<SearchResult> EmptyQueryRows(std::wstring_view browser_label) {
  std::vector<SearchResult> rows;
  rows.push_back(WebRow(ResultKind::Web, L"Search YouTube: type 'derivedid yt'",
                        L"Browser: " + std::wstring(browser_label), YouTubeShortcut().home_address,
                        score::kEmptyQueryHint));
  for (const SettingsEntry& entry : SettingsEntries().first(kSuggestedSettingsCount)) {
    rows.push_back(SettingsRow(entry, score::kSuggestion));
  }
  return rows;
}

SearchResult ShortcutRow(const ShortcutQuery& query, std::wstring_view browser_label) {
  const WebShortcut& shortcut = *query.shortcut;
  if (query.text.empty()) {
    return WebRow(ResultKind::Web, L"Open " + std::wstring(shortcut.name),
                  std::wstring(browser_label) + std::wstring(kDot) + shortcut.home_address, shortcut.home_address,
                  score::kBareShortcut);
  }
  std::wstring title = shortcut.style == ShortcutStyle::Ask
                           ? L"Ask " + std::wstring(shortcut.name) + L": " + Quoted(query.text)
                           : SearchTitle(shortcut, query.text);
  return WebRow(ResultKind::Web, std::move(title), std::wstring(browser_label), SearchAddress(shortcut, query.text),
                score::kShortcutWithText);
}

std::optional<SearchResult> LinkRow(std::wstring_view trimmed, std::wstring_view browser_label) {
  std::optional<std::wstring> link = LinkFromText(trimmed);
  if (!link) return std::nullopt;
  std::wstring subtitle = std::wstring(browser_label) + std::wstring(kDot) + *link;
  return WebRow(ResultKind::Link, L"Open " + std::wstring(trimmed), std::move(subtitle), std::move(*link),
                score::kLink);
}

std::optional<SearchResult> PathRow(std::wstring_view trimmed, const FileSystem& disk) {
  const std::wstring_view path = Unquoted(trimmed);
  const bool drive = path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == L':';
  if (CodePointCount(path) <= 2 || !(drive || path.starts_with(L"\\\\"))) return std::nullopt;
  // This runs on every keystroke on the window's thread: a network path or a
  // drive that is not fixed is offered as typed instead of asked about.
  const bool probe = !IsNetworkPath(path) && drive && disk.IsFixedDrive(path[0]);
  const std::optional<PathKind> kind = probe ? disk.Probe(path) : LikelyPathKind(path);
  if (!kind) return std::nullopt;
  const bool is_folder = *kind == PathKind::Folder;
  const std::wstring_view name = LastComponent(path);
  const std::optional<std::wstring_view> parent = ParentFolder(path);
  return SearchResult{is_folder ? ResultKind::Folder : ResultKind::File,
                      std::wstring(name.empty() ? path : name),
                      std::wstring(parent ? *parent : path),
                      std::wstring(path),
                      {},
                      is_folder ? icon::kFolder : icon::kFile,
                      score::kPath};
}

std::optional<SearchResult> CalculationRow(std::wstring_view trimmed) {
  std::optional<std::wstring> answer = Calculate(trimmed);
  if (!answer) return std::nullopt;
  return SearchResult{ResultKind::Calc,  L"= " + *answer,    L"Copy answer", std::move(*answer), {},
                      icon::kCalculator, score::kCalculation};
}

void AppendSettingsMatches(std::vector<SearchResult>& rows, std::wstring_view lower_query) {
  for (const SettingsEntry& entry : SettingsEntries()) {
    int best = FuzzyScore(std::wstring_view(ToLower(entry.title)), lower_query);
    if (std::wstring_view(entry.keywords).find(lower_query) != std::wstring_view::npos) {
      best = std::max(best, score::kSettingsKeyword);
    }
    if (best > 0) rows.push_back(SettingsRow(entry, best));
  }
}

SearchResult WebFallbackRow(std::wstring_view trimmed, std::wstring_view browser_label,
                            std::wstring_view fallback_setting) {
  const WebShortcut& shortcut = FallbackWebShortcut(fallback_setting);
  return WebRow(ResultKind::Web, SearchTitle(shortcut, trimmed),
                std::wstring(browser_label) + L" \u00B7 Shortcut 'yt' for YouTube", SearchAddress(shortcut, trimmed),
                score::kWebFallback);
}

}  // namespace notch::quick
