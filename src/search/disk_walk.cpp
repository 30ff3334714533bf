#include "search/disk_walk.h"

#include <deque>
#include <unordered_set>
#include <vector>

#include "search/search_text.h"
#include "search/walk_rules.h"

namespace notch::quick {
namespace {

struct PendingFolder {
  std::wstring path;
  int depth = 0;
  int max_depth = 0;
};

}  // namespace

std::wstring FolderKey(std::wstring_view path) {
  std::wstring key = ToLower(path);
  while (key.size() > 3 && (key.back() == L'\\' || key.back() == L'/')) key.pop_back();
  return key;
}

void WalkDisk(const FileSystem& disk, std::span<const WalkRoot> roots, WalkLimits limits, const Clock& clock,
              const std::atomic<bool>& cancel, const WalkVisitor& visit) {
  const std::uint64_t deadline = clock.TickMs() + limits.time_budget_ms;
  const auto should_stop = [&] { return cancel.load(std::memory_order_relaxed) || clock.TickMs() >= deadline; };

  std::unordered_set<std::wstring> entered;
  std::deque<PendingFolder> pending;
  for (const WalkRoot& root : roots) {
    if (entered.insert(FolderKey(root.path)).second) pending.push_back({root.path, 0, root.max_depth});
  }

  std::size_t visited = 0;
  std::vector<DirectoryEntry> entries;
  while (!pending.empty()) {
    const PendingFolder folder = std::move(pending.front());
    pending.pop_front();
    if (should_stop()) return;
    entries.clear();
    if (!disk.List(folder.path, entries)) continue;
    for (const DirectoryEntry& entry : entries) {
      if (entry.name == L"." || entry.name == L"..") continue;
      if (visited == limits.max_entries || should_stop()) return;
      ++visited;
      const std::wstring path = JoinPath(folder.path, entry.name);
      const std::wstring lower = ToLower(path);
      const std::size_t name_start = NameStart(path);
      const std::wstring_view lower_name = std::wstring_view(lower).substr(name_start);
      if (HasSkippedPathPart(lower)) continue;
      if (entry.is_folder) {
        if (IsSkippedFolderName(lower_name)) continue;
        visit(WalkedEntry{path, lower, name_start, true});
        const bool deeper = folder.depth + 1 < folder.max_depth;
        if (deeper && !entry.is_reparse_point && entered.insert(lower).second) {
          pending.push_back({path, folder.depth + 1, folder.max_depth});
        }
      } else if (entry.is_regular_file && !IsSkippedFileName(lower_name)) {
        visit(WalkedEntry{path, lower, name_start, false});
      }
    }
  }
}

}  // namespace notch::quick
