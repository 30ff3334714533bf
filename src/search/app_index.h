#pragma once
// Installed apps: Start menu shortcuts of all users and of the user, the
// Desktop and the App Paths registry key, gathered once per run.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_result.h"
#include "search/search_sources.h"

namespace notch::quick {

inline constexpr std::size_t kMaxAppRows = 8;

struct AppEntry {
  std::wstring name;      // the file stem, as shown
  std::wstring key;       // the name in lower case, matched against queries
  std::wstring target;    // full path
  std::wstring subtitle;  // "App" or "Desktop"
};

// Uninstallers, read-me files, release notes and documentation.
bool IsExcludedAppKey(std::wstring_view key);

// Every app in source order; the first of several entries with one key wins.
std::vector<AppEntry> BuildAppIndex(const FileSystem& disk, const SearchFolders& folders,
                                    std::span<const AppPathEntry> app_paths);

// Adds the best kMaxAppRows apps for a lower-case query, best first (equal
// scores by name).
void AddAppMatches(ResultRows& rows, std::span<const AppEntry> apps, std::wstring_view lower_query);

}  // namespace notch::quick
