#pragma once
// Web searches typed as "topic yt" or "yt topic", and the one the list falls
// back to for a query nothing local matches.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace notch::quick {

enum class ShortcutStyle { Search, Ask };

struct WebShortcut {
  const wchar_t* key;
  const wchar_t* name;
  const wchar_t* search_address;  // the percent-encoded text is appended
  const wchar_t* home_address;
  ShortcutStyle style;
};

std::span<const WebShortcut> WebShortcuts();
// The row with that key (compared in lower case), or nothing.
const WebShortcut* FindWebShortcut(std::wstring_view key);
// The fallback search: the row named by the setting, else ChatGPT's.
const WebShortcut& FallbackWebShortcut(std::wstring_view setting);
const WebShortcut& YouTubeShortcut();

struct ShortcutQuery {
  const WebShortcut* shortcut = nullptr;
  std::wstring_view text;  // trimmed, as typed (a view of the query); empty for a bare key
};

// Reads a trimmed query as a shortcut: the whole query as a key, else the
// first word, else the last one.
std::optional<ShortcutQuery> ReadShortcutQuery(std::wstring_view trimmed);

// The address that searches `text` (percent-encoded), into `out`.
void AssignSearchAddress(std::wstring& out, const WebShortcut& shortcut, std::wstring_view text);

}  // namespace notch::quick
