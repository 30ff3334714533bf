#pragma once
// The disk as Quick Search reads it. Paths are the program's Windows paths
// ("C:\Users\ana\Documents"); the native stand-in maps them onto a real
// folder tree, so the index builders run unchanged in both builds.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notch::quick {

enum class PathKind { File, Folder };

struct DirectoryEntry {
  std::wstring name;
  bool is_folder = false;
  bool is_regular_file = false;
  bool is_reparse_point = false;  // a link or junction: never entered
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The folder's entries (possibly with "." and ".."), or false when it
  // cannot be read.
  virtual bool List(std::wstring_view folder, std::vector<DirectoryEntry>& entries) const = 0;
  // What exists at `path`, following symbolic links and mount points.
  virtual std::optional<PathKind> Probe(std::wstring_view path) const = 0;
  // Whether the drive with this letter is a local fixed one. Looking at a
  // removable drive without media can raise the system's "no disk" box.
  virtual bool IsFixedDrive(wchar_t letter) const {
    (void)letter;
    return true;
  }
};

// The machine's own disk.
const FileSystem& LocalDisk();

bool IsPathSeparator(wchar_t c);

// `folder` + "\" + `name`, without doubling a trailing separator.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);
// Where the last component starts (after the last "\" or "/").
std::size_t NameStart(std::wstring_view path);
// The name without its extension (up to the last dot).
std::wstring_view Stem(std::wstring_view name);
// The stem of the path's last component.
std::wstring_view FileStem(std::wstring_view path);
// "\\server\share\..." (or "//..."): asking about it may wait for the
// network for seconds.
bool IsNetworkPath(std::wstring_view path);
// What a path that was not probed most likely names: a folder when it ends
// in a separator or its last component has no extension, else a file.
PathKind LikelyPathKind(std::wstring_view path);

// The last component, ignoring trailing separators; empty for a root.
std::wstring_view LastComponent(std::wstring_view path);
// The folder that holds `path`: "C:\" for "C:\Users", nothing for a root.
std::optional<std::wstring_view> ParentFolder(std::wstring_view path);

}  // namespace notch::quick
