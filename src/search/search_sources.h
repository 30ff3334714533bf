#pragma once
// What the Quick Search indexes read from the system: a disk, the folders
// that matter, the App Paths registry key and the Windows Search index. The
// Windows shell implements it with the real calls; tests and notch-inspect
// give their own.
#include <string>
#include <vector>

#include "search/file_system.h"

namespace notch::quick {

// Known folders as full paths; an empty path is a folder the system did not
// report.
struct SearchFolders {
  std::wstring common_programs;  // the all-users Start menu programs
  std::wstring user_programs;    // the user's Start menu programs
  std::wstring desktop;
  std::wstring documents;
  std::wstring downloads;
  std::wstring pictures;
  std::wstring videos;
  std::wstring music;
  std::wstring profile;
  std::vector<std::wstring> fixed_drives;  // roots such as "C:\"
};

// One subkey of "SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths".
struct AppPathEntry {
  std::wstring subkey;  // e.g. "chrome.exe"
  std::wstring value;   // its default value, environment strings expanded
};

class SearchSources {
 public:
  virtual ~SearchSources() = default;
  virtual const FileSystem& Disk() const = 0;
  virtual SearchFolders Folders() const = 0;
  // The current user's subkeys, then the machine's.
  virtual std::vector<AppPathEntry> AppPaths() const = 0;
  // Paths of the rows the Windows Search index answers to `command` (at most
  // kWindowsSearchRows); nothing when the index is unavailable.
  virtual std::vector<std::wstring> QueryWindowsSearch(const std::wstring& command) const = 0;
};

inline constexpr std::size_t kWindowsSearchRows = 60;

}  // namespace notch::quick
