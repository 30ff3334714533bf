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

void WriteSettingsRow(SearchResult& row, const SettingsEntry& entry, int score) {
  row.kind = ResultKind::Setting;
  row.title.assign(entry.title);
  row.subtitle.assign(entry.subtitle);
  row.target.assign(entry.target);
  row.icon = entry.icon;
  row.score = score;
}

// "Search <name> for "<text>"".
void WriteSearchTitle(std::wstring& title, const WebShortcut& shortcut, std::wstring_view text) {
  title.assign(L"Search ");
  title.append(shortcut.name);
  title.append(L" for \"");
  title.append(text);
  title.push_back(L'"');
}

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// The settings titles in lower case, made once.
const std::vector<std::wstring>& LowerSettingsTitles() {
  static const std::vector<std::wstring> titles = [] {
    std::vector<std::wstring> lower;
    for (const SettingsEntry& entry : SettingsEntries()) lower.push_back(ToLower(entry.title));
    return lower;
  }();
  return titles;
}

}  // namespace

void AddEmptyQueryRows(ResultRows& rows, std::wstring_view browser_label) {
  SearchResult& hint = rows.Add();
  hint.title.assign(L"Search YouTube: type 'derivedid yt'");
  hint.subtitle.assign(L"Browser: ");
  hint.subtitle.append(browser_label);
  hint.target.assign(YouTubeShortcut().home_address);
  hint.score = score::kEmptyQueryHint;
  for (const SettingsEntry& entry : SettingsEntries().first(kSuggestedSettingsCount)) {
    WriteSettingsRow(rows.Add(), entry, score::kSuggestion);
  }
}

void AddShortcutRow(ResultRows& rows, const ShortcutQuery& query, std::wstring_view browser_label) {
  const WebShortcut& shortcut = *query.shortcut;
  SearchResult& row = rows.Add();
  if (query.text.empty()) {
    row.title.assign(L"Open ");
    row.title.append(shortcut.name);
    row.subtitle.assign(browser_label);
    row.subtitle.append(kDot);
    row.subtitle.append(shortcut.home_address);
    row.target.assign(shortcut.home_address);
    row.score = score::kBareShortcut;
    return;
  }
  if (shortcut.style == ShortcutStyle::Ask) {
    row.title.assign(L"Ask ");
    row.title.append(shortcut.name);
    row.title.append(L": \"");
    row.title.append(query.text);
    row.title.push_back(L'"');
  } else {
    WriteSearchTitle(row.title, shortcut, query.text);
  }
  row.subtitle.assign(browser_label);
  AssignSearchAddress(row.target, shortcut, query.text);
  row.score = score::kShortcutWithText;
}

void AddLinkRow(ResultRows& rows, std::wstring_view trimmed, std::wstring_view browser_label) {
  SearchResult& row = rows.Add();
  if (!AssignLinkFromText(row.target, trimmed)) {
    rows.DropLast();
    return;
  }
  row.kind = ResultKind::Link;
  row.title.assign(L"Open ");
  row.title.append(trimmed);
  row.subtitle.assign(browser_label);
  row.subtitle.append(kDot);
  row.subtitle.append(row.target);
  row.score = score::kLink;
}

const SearchResult* AddPathRow(ResultRows& rows, std::wstring_view trimmed, const FileSystem& disk) {
  const std::wstring_view path = Unquoted(trimmed);
  const bool drive = path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == L':';
  if (CodePointCount(path) <= 2 || !(drive || path.starts_with(L"\\\\"))) return nullptr;
  // This runs on every keystroke on the window's thread: a network path or a
  // drive that is not fixed is offered as typed instead of asked about.
  const bool probe = !IsNetworkPath(path) && drive && disk.IsFixedDrive(path[0]);
  const std::optional<PathKind> kind = probe ? disk.Probe(path) : LikelyPathKind(path);
  if (!kind) return nullptr;
  const bool is_folder = *kind == PathKind::Folder;
  const std::wstring_view name = LastComponent(path);
  const std::optional<std::wstring_view> parent = ParentFolder(path);
  SearchResult& row = rows.Add();
  row.kind = is_folder ? ResultKind::Folder : ResultKind::File;
  row.title.assign(name.empty() ? path : name);
  row.subtitle.assign(parent ? *parent : path);
  row.target.assign(path);
  row.icon = is_folder ? icon::kFolder : icon::kFile;
  row.score = score::kPath;
  return &row;
}

void AddCalculationRow(ResultRows& rows, std::wstring_view trimmed) {
  SearchResult& row = rows.Add();
  if (!Calculate(trimmed, row.target)) {
    rows.DropLast();
    return;
  }
  row.kind = ResultKind::Calc;
  row.title.assign(L"= ");
  row.title.append(row.target);
  row.subtitle.assign(L"Copy answer");
  row.icon = icon::kCalculator;
  row.score = score::kCalculation;
}

void AddSettingsMatches(ResultRows& rows, std::wstring_view lower_query) {
  const std::span<const SettingsEntry> entries = SettingsEntries();
  const std::vector<std::wstring>& lower_titles = LowerSettingsTitles();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SettingsEntry& entry = entries[i];
    int best = FuzzyScore(std::wstring_view(lower_titles[i]), lower_query);
    if (std::wstring_view(entry.keywords).find(lower_query) != std::wstring_view::npos) {
      best = std::max(best, score::kSettingsKeyword);
    }
    if (best > 0) WriteSettingsRow(rows.Add(), entry, best);
  }
}

void AddWebFallbackRow(ResultRows& rows, std::wstring_view trimmed, std::wstring_view browser_label,
                       std::wstring_view fallback_setting) {
  const WebShortcut& shortcut = FallbackWebShortcut(fallback_setting);
  SearchResult& row = rows.Add();
  WriteSearchTitle(row.title, shortcut, trimmed);
  row.subtitle.assign(browser_label);
  row.subtitle.append(L" \u00B7 Shortcut 'yt' for YouTube");
  AssignSearchAddress(row.target, shortcut, trimmed);
  row.score = score::kWebFallback;
}

}  // namespace notch::quick
