#pragma once
// The program's own pages and the Windows settings Quick Search offers.
// Targets beginning with "notch:" name a page of the Quick Controls panel.
#include <span>

namespace notch::quick {

struct SettingsEntry {
  const wchar_t* title;
  const wchar_t* subtitle;
  const wchar_t* target;
  const wchar_t* keywords;  // lower case, matched as one text
  char16_t icon;
};

// The 20 rows in display order; the first six are the empty-query suggestions.
std::span<const SettingsEntry> SettingsEntries();
inline constexpr std::size_t kSuggestedSettingsCount = 6;

}  // namespace notch::quick
