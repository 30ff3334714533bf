#pragma once
// The shelf: files parked on the island, oldest first, each path once
// (compared exactly, case included), at most 24 of them.
#include <cstddef>
#include <string>
#include <vector>

namespace notch {

inline constexpr std::size_t kShelfCapacity = 24;

class ShelfList {
 public:
  const std::vector<std::wstring>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  bool Contains(const std::wstring& path) const;

  // Appends a path not yet listed, dropping the oldest entry when the list
  // would exceed its capacity; returns whether the path was added.
  bool Add(const std::wstring& path);
  // Removes every entry equal to `path`; returns whether one was there.
  bool Remove(const std::wstring& path);
  // The entry at `index`, or null when there is none.
  const std::wstring* At(int index) const;
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::wstring> entries_;
};

}  // namespace notch
