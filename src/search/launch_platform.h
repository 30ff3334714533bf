#pragma once
// What opening a result needs from the system: the shell's "open" verb, the
// clipboard, and where browsers and terminals are installed. The Windows
// shell implements it; tests record the calls.
#include <string>
#include <string_view>
#include <vector>

#include "search/file_system.h"

namespace notch::quick {

// One subkey of "SOFTWARE\Clients\StartMenuInternet".
struct RegisteredBrowser {
  std::wstring name;     // the subkey's default value
  std::wstring command;  // the default value of its "shell\open\command"
};

struct InstallFolders {
  std::wstring local_app_data;
  std::wstring program_files;
  std::wstring program_files_x86;
};

class LaunchPlatform {
 public:
  virtual ~LaunchPlatform() = default;
  virtual const FileSystem& Disk() const = 0;
  virtual InstallFolders Folders() const = 0;
  // The full path of `file` found on the search path, or empty.
  virtual std::wstring FindOnSearchPath(std::wstring_view file) const = 0;
  // The current user's registrations, then the machine's.
  virtual std::vector<RegisteredBrowser> RegisteredBrowsers() const = 0;
  // The FileDescription of the file's version resource, or empty.
  virtual std::wstring FileDescription(std::wstring_view path) const = 0;
  // The shell's "open" verb in a normal window; false when the shell fails.
  virtual bool ShellOpen(std::wstring_view file, std::wstring_view parameters, std::wstring_view directory) = 0;
  // Puts Unicode text on the clipboard.
  virtual bool CopyText(std::wstring_view text) = 0;
};

}  // namespace notch::quick
