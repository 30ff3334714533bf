#pragma once
// The bounded breadth-first walk behind the file index and the live part of
// the deep search.
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "common/clock.h"
#include "search/file_system.h"

namespace notch::quick {

struct WalkRoot {
  std::wstring path;
  int max_depth = 0;  // entries this many levels below the root are still visited
};

struct WalkLimits {
  std::size_t max_entries = 0;  // every entry looked at counts, kept or not
  std::uint64_t time_budget_ms = 0;
};

struct WalkedEntry {
  const std::wstring& path;
  const std::wstring& lower_path;
  std::size_t name_start = 0;
  bool is_folder = false;
};

// A folder's identity for the walks: lower case, no trailing separator
// (except a drive root's).
std::wstring FolderKey(std::wstring_view path);

using WalkVisitor = std::function<void(const WalkedEntry&)>;

// Visits every entry the walk rules keep, roots first and then level by
// level, each folder once even where roots overlap (Desktop lies inside the
// profile, the profile inside C:\). Stops at the entry limit, at the
// deadline or when `cancel` is set.
void WalkDisk(const FileSystem& disk, std::span<const WalkRoot> roots, WalkLimits limits, const Clock& clock,
              const std::atomic<bool>& cancel, const WalkVisitor& visit);

}  // namespace notch::quick
