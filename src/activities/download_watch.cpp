#include "activities/download_watch.h"

#include <algorithm>
#include <array>

#include "common/text.h"
#include "search/search_text.h"

namespace notch {
namespace {

constexpr std::size_t kRecordHeaderBytes = 12;

std::uint32_t ReadUint32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// UTF-16LE name bytes as the program's wide text. Where wchar_t is UTF-16 the
// units are kept as they are, so even a name with a lone surrogate (which the
// file system allows) still names its file.
std::wstring NameFromUtf16(const std::uint8_t* bytes, std::size_t units) {
  std::wstring name;
  name.reserve(units);
  if constexpr (sizeof(wchar_t) == 2) {
    for (std::size_t i = 0; i < units; ++i) {
      name.push_back(static_cast<wchar_t>(bytes[2 * i] | bytes[2 * i + 1] << 8));
    }
    return name;
  }
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t unit = static_cast<char32_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
      const char32_t low = static_cast<char32_t>(bytes[2 * i + 2] | bytes[2 * i + 3] << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendCodePoint(name, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendCodePoint(name, unit >= 0xD800 && unit <= 0xDFFF ? kReplacementCharacter : unit);
  }
  return name;
}

std::wstring CheckKey(const std::wstring& path) { return quick::ToLower(path); }

}  // namespace

std::vector<FolderChange> ReadFolderChanges(const std::uint8_t* data, std::size_t size) {
  std::vector<FolderChange> changes;
  if (data == nullptr) return changes;
  std::size_t offset = 0;
  while (size - offset >= kRecordHeaderBytes) {
    const std::uint8_t* record = data + offset;
    const std::uint32_t next = ReadUint32(record);
    const std::uint32_t action = ReadUint32(record + 4);
    const std::size_t name_bytes = ReadUint32(record + 8);
    if (next != 0 && next < kRecordHeaderBytes) break;
    // The name must lie inside its record (when another follows) and the buffer.
    const std::size_t available = size - offset;
    const std::size_t record_bytes = next != 0 ? std::min<std::size_t>(next, available) : available;
    if (name_bytes > record_bytes - kRecordHeaderBytes) break;
    changes.push_back({action, NameFromUtf16(record + kRecordHeaderBytes, name_bytes / 2)});
    if (next == 0 || next > size - offset) break;
    offset += next;
  }
  return changes;
}

bool IsIgnoredDownloadName(std::wstring_view name) {
  if (name.empty() || name.find(L'\\') != std::wstring_view::npos) return true;
  const std::wstring lower = quick::ToLower(name);
  if (lower.front() == L'~' || lower.front() == L'.') return true;
  if (lower.starts_with(L"unconfirmed ")) return true;
  constexpr std::array<std::wstring_view, 6> kPartialSuffixes = {L".crdownload", L".part",     L".tmp",
                                                                 L".partial",    L".download", L".opdownload"};
  for (const std::wstring_view suffix : kPartialSuffixes) {
    if (lower.ends_with(suffix)) return true;
  }
  return false;
}

std::vector<std::wstring> DownloadsToCheck(std::wstring_view folder, const std::vector<FolderChange>& changes) {
  std::vector<std::wstring> paths;
  std::set<std::wstring> seen;
  for (const FolderChange& change : changes) {
    if (change.action != folder_change::kAdded && change.action != folder_change::kRenamedNewName) continue;
    if (IsIgnoredDownloadName(change.name)) continue;
    std::wstring path(folder);
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    path += change.name;
    if (seen.insert(CheckKey(path)).second) paths.push_back(std::move(path));
  }
  return paths;
}

bool IsFinishedDownload(const DownloadFileFacts& facts) { return facts.exists && !facts.folder && facts.size > 0; }

bool PendingDownloadChecks::Begin(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  return paths_.insert(CheckKey(path)).second;
}

void PendingDownloadChecks::End(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  paths_.erase(CheckKey(path));
}

std::size_t PendingDownloadChecks::size() const {
  std::lock_guard lock(mutex_);
  return paths_.size();
}

void WatchDownloads(std::wstring_view folder, const DownloadWatchPorts& ports, PendingDownloadChecks& pending) {
  while (std::optional<std::vector<FolderChange>> changes = ports.next_changes()) {
    for (const std::wstring& path : DownloadsToCheck(folder, *changes)) {
      if (pending.Begin(path)) ports.start_check(path);
    }
  }
}

void CheckDownload(const std::wstring& path, const DownloadCheckPorts& ports, PendingDownloadChecks& pending) {
  ports.sleep(kDownloadSettleMs);
  if (IsFinishedDownload(ports.facts(path)) && ports.island_exists()) ports.report(path);
  pending.End(path);
}

}  // namespace notch
