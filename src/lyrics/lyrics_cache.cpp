#include "lyrics/lyrics_cache.h"

#include <algorithm>
#include <utility>

namespace notch::lyrics {

void LyricsCache::RemoveExpired(std::uint64_t now_ms) {
  std::erase_if(entries_, [now_ms](const Entry& entry) { return entry.expiry_ms <= now_ms; });
}

const LyricsCache::Entry* LyricsCache::Find(const LyricsQuery& query) const {
  const auto found =
      std::find_if(entries_.begin(), entries_.end(), [&query](const Entry& entry) { return entry.query == query; });
  return found == entries_.end() ? nullptr : &*found;
}

void LyricsCache::Store(Entry entry) {
  if (entries_.size() >= kCapacity) entries_.pop_front();
  entries_.push_back(std::move(entry));
}

}  // namespace notch::lyrics
