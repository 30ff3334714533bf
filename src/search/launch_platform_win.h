#pragma once
// Opening results on Windows: the shell, the clipboard, the registry's
// browser list and version resources.
#include "search/launch_platform.h"

namespace notch::quick {

class WindowsLaunchPlatform final : public LaunchPlatform {
 public:
  const FileSystem& Disk() const override { return LocalDisk(); }
  InstallFolders Folders() const override;
  std::wstring FindOnSearchPath(std::wstring_view file) const override;
  std::vector<RegisteredBrowser> RegisteredBrowsers() const override;
  std::wstring FileDescription(std::wstring_view path) const override;
  bool ShellOpen(std::wstring_view file, std::wstring_view parameters, std::wstring_view directory) override;
  bool CopyText(std::wstring_view text) override;
};

}  // namespace notch::quick
