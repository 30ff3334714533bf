#pragma once
// A LaunchPlatform that records what would be started or copied.
#include <map>
#include <string>
#include <vector>

#include "search/launch_platform.h"
#include "support/fake_disk.h"

namespace notch::testing {

class FakeLaunchPlatform final : public quick::LaunchPlatform {
 public:
  struct ShellCall {
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    bool operator==(const ShellCall&) const = default;
  };

  FakeDisk disk;
  quick::InstallFolders folders;
  std::map<std::wstring, std::wstring> search_path;   // file name -> full path
  std::map<std::wstring, std::wstring> descriptions;  // path -> FileDescription
  std::vector<quick::RegisteredBrowser> registered;
  bool shell_succeeds = true;
  bool clipboard_succeeds = true;
  std::vector<ShellCall> shell_calls;
  std::vector<std::wstring> copied;

  const quick::FileSystem& Disk() const override { return disk; }
  quick::InstallFolders Folders() const override { return folders; }
  std::wstring FindOnSearchPath(std::wstring_view file) const override { return Lookup(search_path, file); }
  std::vector<quick::RegisteredBrowser> RegisteredBrowsers() const override { return registered; }
  std::wstring FileDescription(std::wstring_view path) const override { return Lookup(descriptions, path); }
  bool ShellOpen(std::wstring_view file, std::wstring_view parameters, std::wstring_view directory) override {
    shell_calls.push_back({std::wstring(file), std::wstring(parameters), std::wstring(directory)});
    return shell_succeeds;
  }
  bool CopyText(std::wstring_view text) override {
    if (clipboard_succeeds) copied.emplace_back(text);
    return clipboard_succeeds;
  }

 private:
  static std::wstring Lookup(const std::map<std::wstring, std::wstring>& map, std::wstring_view key) {
    const auto it = map.find(std::wstring(key));
    return it == map.end() ? std::wstring() : it->second;
  }
};

}  // namespace notch::testing
