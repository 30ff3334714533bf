#pragma once
// Which folders and files the disk walks leave out: caches, build output,
// version-control and system folders. All tests take lower-case text.
#include <string_view>

namespace notch::quick {

// The path contains a skipped part such as "\node_modules\".
bool HasSkippedPathPart(std::wstring_view lower_path);
// A folder the walks never enter: hidden ("." names, except ".github"),
// "*.dir" build folders and the listed names.
bool IsSkippedFolderName(std::wstring_view lower_name);
// Build and debugging by-products, and shortcuts (the app index has those).
bool IsSkippedFileName(std::wstring_view lower_name);

// The user's profile folder counts as home: what lies inside ranks higher.
int RankBonus(std::wstring_view lower_path, std::wstring_view lower_profile, bool is_folder);

}  // namespace notch::quick
