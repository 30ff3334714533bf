#pragma once
// Finished downloads in the user's Downloads folder: which folder changes
// name a file worth a look, and the look itself half a second later. The
// Windows side only reads the folder's changes, sleeps, asks the disk and
// posts to the island; every decision is here.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace notch {

// The action codes of a folder change record, as the system numbers them.
namespace folder_change {
inline constexpr std::uint32_t kAdded = 1;
inline constexpr std::uint32_t kRemoved = 2;
inline constexpr std::uint32_t kModified = 3;
inline constexpr std::uint32_t kRenamedOldName = 4;
inline constexpr std::uint32_t kRenamedNewName = 5;
}  // namespace folder_change

struct FolderChange {
  std::uint32_t action = 0;
  std::wstring name;  // relative to the watched folder

  bool operator==(const FolderChange&) const = default;
};

// The records of one folder-change buffer: each a 32-bit offset to the next
// record (0 for the last), a 32-bit action, a 32-bit name length in bytes and
// the name in UTF-16LE. A record that does not fit ends the list; a name with
// an odd byte count loses its last byte.
std::vector<FolderChange> ReadFolderChanges(const std::uint8_t* data, std::size_t size);

inline constexpr std::size_t kFolderChangeBufferBytes = 16384;
inline constexpr unsigned kDownloadSettleMs = 500;

// True for names a download leaves while it runs or that are not the user's
// file: partial-file suffixes, a browser's "unconfirmed " name, hidden and
// temporary names starting with "~" or ".", and anything in a subfolder.
bool IsIgnoredDownloadName(std::wstring_view name);

// The full paths (folder + "\" + name) that a batch of changes asks to check:
// added and renamed-to names that are not ignored, each once.
std::vector<std::wstring> DownloadsToCheck(std::wstring_view folder, const std::vector<FolderChange>& changes);

// What the disk says about a path half a second after it appeared.
struct DownloadFileFacts {
  bool exists = false;
  bool folder = false;
  std::uint64_t size = 0;
};

// A finished download is a file that still exists and is not empty.
bool IsFinishedDownload(const DownloadFileFacts& facts);

// The paths whose check is waiting. A browser may name the final file twice
// within half a second (an empty placeholder, then the partial file renamed
// over it); one check covers both, so the user sees one card. Shared by the
// watcher thread and the checker threads.
class PendingDownloadChecks {
 public:
  // False when a check of the path is already waiting.
  bool Begin(const std::wstring& path);
  void End(const std::wstring& path);
  std::size_t size() const;

 private:
  mutable std::mutex mutex_;
  std::set<std::wstring> paths_;  // lower-cased: the folder's names ignore case
};

struct DownloadWatchPorts {
  // Blocks until the folder changes; nullopt when it can no longer be read.
  std::function<std::optional<std::vector<FolderChange>>()> next_changes;
  // Runs CheckDownload for the path on a thread of its own.
  std::function<void(const std::wstring& path)> start_check;
};

// The watcher's loop: until the folder can no longer be read, starts one
// check per path worth a look that is not already being checked.
void WatchDownloads(std::wstring_view folder, const DownloadWatchPorts& ports, PendingDownloadChecks& pending);

struct DownloadCheckPorts {
  std::function<void(unsigned ms)> sleep;
  std::function<DownloadFileFacts(const std::wstring& path)> facts;
  std::function<bool()> island_exists;
  std::function<void(const std::wstring& path)> report;  // hands the path to the island
};

// One check: after the settle time, reports the path when it is a finished
// download and the island exists; the check then stops waiting.
void CheckDownload(const std::wstring& path, const DownloadCheckPorts& ports, PendingDownloadChecks& pending);

}  // namespace notch
