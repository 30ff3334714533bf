#include "search/search_sources_win.h"

#include <windows.h>

#include <knownfolders.h>

#include "common/known_folder_win.h"
#include "search/registry_win.h"
#include "search/windows_search_win.h"

namespace notch::quick {
namespace {

constexpr wchar_t kAppPathsKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

std::vector<std::wstring> FixedDrives() {
  std::vector<std::wstring> drives;
  const DWORD present = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if ((present & (1u << letter)) == 0) continue;
    std::wstring root = {static_cast<wchar_t>(L'A' + letter), L':', L'\\'};
    if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED) drives.push_back(std::move(root));
  }
  return drives;
}

}  // namespace

SearchFolders WindowsSearchSources::Folders() const {
  SearchFolders folders;
  folders.common_programs = KnownFolderPath(FOLDERID_CommonPrograms);
  folders.user_programs = KnownFolderPath(FOLDERID_Programs);
  folders.desktop = KnownFolderPath(FOLDERID_Desktop);
  folders.documents = KnownFolderPath(FOLDERID_Documents);
  folders.downloads = KnownFolderPath(FOLDERID_Downloads);
  folders.pictures = KnownFolderPath(FOLDERID_Pictures);
  folders.videos = KnownFolderPath(FOLDERID_Videos);
  folders.music = KnownFolderPath(FOLDERID_Music);
  folders.profile = KnownFolderPath(FOLDERID_Profile);
  folders.fixed_drives = FixedDrives();
  return folders;
}

std::vector<AppPathEntry> WindowsSearchSources::AppPaths() const {
  std::vector<AppPathEntry> entries;
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (std::wstring& subkey : RegistrySubkeys(root, kAppPathsKey)) {
      std::optional<std::wstring> value = RegistryDefaultString(root, std::wstring(kAppPathsKey) + L"\\" + subkey);
      if (value) entries.push_back({std::move(subkey), std::move(*value)});
    }
  }
  return entries;
}

std::vector<std::wstring> WindowsSearchSources::QueryWindowsSearch(const std::wstring& command) const {
  return QueryWindowsSearchIndex(command);
}

}  // namespace notch::quick
