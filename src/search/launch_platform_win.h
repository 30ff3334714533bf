#pragma once
// Opening results on Windows: the shell, the clipboard, the registry's
// browser list and version resources.
#include <windows.h>

#include "search/launch_platform.h"

namespace notch::quick {

class WindowsLaunchPlatform final : public LaunchPlatform {
 public:
  // The clipboard needs an owner window: the one `clipboard_owner` names at
  // the time of the copy.
  explicit WindowsLaunchPlatform(HWND (*clipboard_owner)()) : clipboard_owner_(clipboard_owner) {}

  const FileSystem& Disk() const override { return LocalDisk(); }
  InstallFolders Folders() const override;
  std::wstring FindOnSearchPath(std::wstring_view file) const override;
  std::vector<RegisteredBrowser> RegisteredBrowsers() const override;
  std::wstring FileDescription(std::wstring_view path) const override;
  bool ShellOpen(std::wstring_view file, std::wstring_view parameters, std::wstring_view directory) override;
  bool CopyText(std::wstring_view text) override;

 private:
  HWND (*clipboard_owner_)();
};

}  // namespace notch::quick
