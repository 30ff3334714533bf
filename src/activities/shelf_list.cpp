#include "activities/shelf_list.h"

#include <algorithm>

namespace notch {

bool ShelfList::Contains(const std::wstring& path) const {
  return std::find(entries_.begin(), entries_.end(), path) != entries_.end();
}

bool ShelfList::Add(const std::wstring& path) {
  if (path.empty() || Contains(path)) return false;
  entries_.push_back(path);
  if (entries_.size() > kShelfCapacity) entries_.erase(entries_.begin());
  return true;
}

bool ShelfList::Remove(const std::wstring& path) {
  const auto end = std::remove(entries_.begin(), entries_.end(), path);
  const bool found = end != entries_.end();
  entries_.erase(end, entries_.end());
  return found;
}

const std::wstring* ShelfList::At(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return nullptr;
  return &entries_[static_cast<std::size_t>(index)];
}

}  // namespace notch
