#include "search/index_roots.h"

#include <algorithm>

namespace notch::quick {
namespace {

constexpr int kDeepDepth = 7;
constexpr int kMediaDepth = 5;
constexpr int kShallowDepth = 4;
constexpr int kSystemDriveDepth = 4;
constexpr int kOtherDriveDepth = 6;

}  // namespace

std::vector<WalkRoot> FileIndexRoots(const SearchFolders& folders) {
  std::vector<WalkRoot> candidates = {
      {folders.desktop, kDeepDepth},    {folders.documents, kDeepDepth}, {folders.downloads, kDeepDepth},
      {folders.pictures, kMediaDepth},  {folders.videos, kMediaDepth},   {folders.music, kShallowDepth},
      {folders.profile, kShallowDepth},
  };
  for (const std::wstring& drive : folders.fixed_drives) {
    const bool system_drive = !drive.empty() && (drive[0] == L'C' || drive[0] == L'c');
    candidates.push_back({drive, system_drive ? kSystemDriveDepth : kOtherDriveDepth});
  }
  std::vector<WalkRoot> roots;
  std::vector<std::wstring> keys;
  for (WalkRoot& candidate : candidates) {
    if (candidate.path.empty()) continue;
    std::wstring key = FolderKey(candidate.path);
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
    keys.push_back(std::move(key));
    roots.push_back(std::move(candidate));
  }
  return roots;
}

}  // namespace notch::quick
