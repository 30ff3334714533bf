#include "search/web_shortcuts.h"

#include <array>

#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr std::array<WebShortcut, 9> kShortcuts = {{
    {L"yt", L"YouTube", L"https://www.youtube.com/results?search_query=", L"https://www.youtube.com/",
     ShortcutStyle::Search},
    {L"gpt", L"ChatGPT", L"https://chatgpt.com/?q=", L"https://chatgpt.com/", ShortcutStyle::Ask},
    {L"opus", L"Claude", L"https://claude.ai/new?q=", L"https://claude.ai/", ShortcutStyle::Ask},
    {L"g", L"Google", L"https://www.google.com/search?q=", L"https://www.google.com/", ShortcutStyle::Search},
    {L"gh", L"GitHub", L"https://github.com/search?q=", L"https://github.com/", ShortcutStyle::Search},
    {L"ddg", L"DuckDuckGo", L"https://duckduckgo.com/?q=", L"https://duckduckgo.com/", ShortcutStyle::Search},
    {L"w", L"Wikipedia", L"https://en.wikipedia.org/wiki/Special:Search?search=", L"https://en.wikipedia.org/",
     ShortcutStyle::Search},
    {L"maps", L"Google Maps", L"https://www.google.com/maps/search/", L"https://www.google.com/maps",
     ShortcutStyle::Search},
    {L"r", L"Reddit", L"https://www.reddit.com/search/?q=", L"https://www.reddit.com/", ShortcutStyle::Search},
}};

constexpr std::size_t kAskFallbackRow = 1;

}  // namespace

std::span<const WebShortcut> WebShortcuts() { return kShortcuts; }

const WebShortcut* FindWebShortcut(std::wstring_view key) {
  for (const WebShortcut& shortcut : kShortcuts) {
    if (EqualsLower(key, shortcut.key)) return &shortcut;
  }
  return nullptr;
}

const WebShortcut& FallbackWebShortcut(std::wstring_view setting) {
  const WebShortcut* shortcut = FindWebShortcut(setting);
  return shortcut != nullptr ? *shortcut : kShortcuts[kAskFallbackRow];
}

const WebShortcut& YouTubeShortcut() { return kShortcuts.front(); }

std::optional<ShortcutQuery> ReadShortcutQuery(std::wstring_view trimmed) {
  if (const WebShortcut* bare = FindWebShortcut(trimmed)) return ShortcutQuery{bare, {}};
  std::size_t first_space = std::wstring_view::npos;
  std::size_t last_space = std::wstring_view::npos;
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    if (!IsWhiteSpace(static_cast<char32_t>(trimmed[i]))) continue;
    if (first_space == std::wstring_view::npos) first_space = i;
    last_space = i;
  }
  if (first_space == std::wstring_view::npos) return std::nullopt;
  if (const WebShortcut* leading = FindWebShortcut(trimmed.substr(0, first_space))) {
    return ShortcutQuery{leading, Trim(trimmed.substr(first_space + 1))};
  }
  if (const WebShortcut* trailing = FindWebShortcut(trimmed.substr(last_space + 1))) {
    return ShortcutQuery{trailing, Trim(trimmed.substr(0, last_space))};
  }
  return std::nullopt;
}

void AssignSearchAddress(std::wstring& out, const WebShortcut& shortcut, std::wstring_view text) {
  out.assign(shortcut.search_address);
  AppendPercentEncoded(out, text);
}

}  // namespace notch::quick
