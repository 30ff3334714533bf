#pragma once
// A lyrics worker's memory of the queries it searched: the best sheet it found
// (or that there was none) until the entry expires. Private to one worker.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>

#include "lyrics/lyrics_query.h"
#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {

inline constexpr std::uint64_t kNeverExpires = std::numeric_limits<std::uint64_t>::max();

class LyricsCache {
 public:
  static constexpr std::size_t kCapacity = 8;

  struct Entry {
    LyricsQuery query;
    SharedSheet sheet;        // absent when no service had lyrics
    std::uint64_t expiry_ms;  // monotonic ms, or kNeverExpires
  };

  // Drops the entries whose expiry is at or before `now_ms`.
  void RemoveExpired(std::uint64_t now_ms);
  // The oldest entry for `query`, or nullptr.
  const Entry* Find(const LyricsQuery& query) const;
  // Appends, first dropping the oldest entry when the cache is full.
  void Store(Entry entry);

 private:
  std::deque<Entry> entries_;
};

}  // namespace notch::lyrics
