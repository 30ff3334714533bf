// The Windows disk, read with the Find and attribute functions.
#include <windows.h>

#include "search/file_system.h"

namespace notch::quick {
namespace {

class WindowsDisk final : public FileSystem {
 public:
  bool List(std::wstring_view folder, std::vector<DirectoryEntry>& entries) const override {
    const std::wstring pattern = JoinPath(folder, L"*");
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
      DirectoryEntry entry;
      entry.name = found.cFileName;
      entry.is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      entry.is_regular_file = !entry.is_folder && (found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
      entry.is_reparse_point = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      entries.push_back(std::move(entry));
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return true;
  }

  std::optional<PathKind> Probe(std::wstring_view path) const override {
    const std::wstring text(path);
    DWORD attributes = GetFileAttributesW(text.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      // A link or mount point counts as what it leads to. One that cannot be
      // opened (an app execution alias such as wt.exe) still exists as itself;
      // one whose target is gone does not exist.
      const HANDLE handle =
          CreateFileW(text.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
      if (handle != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION information{};
        if (GetFileInformationByHandle(handle, &information)) attributes = information.dwFileAttributes;
        CloseHandle(handle);
      } else {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
      }
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
  }

  bool IsFixedDrive(wchar_t letter) const override {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    const UINT type = GetDriveTypeW(root);
    return type == DRIVE_FIXED || type == DRIVE_RAMDISK;
  }
};

}  // namespace

const FileSystem& LocalDisk() {
  static const WindowsDisk disk;
  return disk;
}

}  // namespace notch::quick
