#pragma once
// Quick Search's sources on Windows: known folders, fixed drives, App Paths
// and the Windows Search index.
#include "search/search_sources.h"

namespace notch::quick {

class WindowsSearchSources final : public SearchSources {
 public:
  const FileSystem& Disk() const override { return LocalDisk(); }
  SearchFolders Folders() const override;
  std::vector<AppPathEntry> AppPaths() const override;
  std::vector<std::wstring> QueryWindowsSearch(const std::wstring& command) const override;
};

}  // namespace notch::quick
