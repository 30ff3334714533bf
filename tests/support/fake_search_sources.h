#pragma once
// Quick Search sources held in memory: a FakeDisk, the folders, App Paths
// entries and canned Windows Search answers.
#include <string>
#include <vector>

#include "search/search_sources.h"
#include "support/fake_disk.h"

namespace notch::testing {

class FakeSearchSources final : public quick::SearchSources {
 public:
  FakeDisk disk;
  quick::SearchFolders folders;
  std::vector<quick::AppPathEntry> app_paths;
  std::vector<std::wstring> windows_search_rows;
  mutable std::vector<std::wstring> windows_search_commands;

  const quick::FileSystem& Disk() const override { return disk; }
  quick::SearchFolders Folders() const override { return folders; }
  std::vector<quick::AppPathEntry> AppPaths() const override { return app_paths; }
  std::vector<std::wstring> QueryWindowsSearch(const std::wstring& command) const override {
    windows_search_commands.push_back(command);
    return windows_search_rows;
  }
};

}  // namespace notch::testing
