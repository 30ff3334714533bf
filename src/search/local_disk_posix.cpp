// The native disk: the program's backslash paths name a real folder tree.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/file_io.h"
#include "common/text.h"
#include "search/file_system.h"

namespace notch::quick {
namespace {

class PosixDisk final : public FileSystem {
 public:
  bool List(std::wstring_view folder, std::vector<DirectoryEntry>& entries) const override {
    std::error_code error;
    std::filesystem::directory_iterator it(PathFromWide(folder), error);
    if (error) return false;
    // Increments report failures through `error` rather than by throwing.
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
      const std::filesystem::directory_entry& item = *it;
      DirectoryEntry entry;
      entry.name = Utf8ToWide(item.path().filename().string());
      entry.is_reparse_point = item.is_symlink(error);
      entry.is_folder = item.is_directory(error);
      entry.is_regular_file = item.is_regular_file(error);
      entries.push_back(std::move(entry));
    }
    // In name order, as NTFS lists a folder, so that native runs repeat.
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return true;
  }

  std::optional<PathKind> Probe(std::wstring_view path) const override {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(PathFromWide(path), error);
    if (error) return std::nullopt;
    if (std::filesystem::is_directory(status)) return PathKind::Folder;
    if (std::filesystem::exists(status)) return PathKind::File;
    return std::nullopt;
  }
};

}  // namespace

const FileSystem& LocalDisk() {
  static const PosixDisk disk;
  return disk;
}

}  // namespace notch::quick
