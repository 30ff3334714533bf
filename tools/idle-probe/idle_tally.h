#pragma once
// What the idle probe makes of two readings of the message counters it keeps
// inside the measured process: the frame messages the island and the panel
// received in between, and the timer messages beyond the host's own timer.
// Portable, so the sums are checked natively.
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace notch::idle {

inline constexpr unsigned kTimerMessage = 0x0113;  // WM_TIMER

// One counter: messages of one kind taken from the queue by windows of one
// class. `id` is the timer id for timer messages and 0 for the rest.
struct MessageCount {
  std::string window_class;
  unsigned message = 0;
  std::uint64_t id = 0;
  std::uint64_t count = 0;
};

// The windows and messages the program's frame clocks and host timer use.
struct WatchedMessages {
  std::string island_class = "ShellIlha";
  unsigned island_frame = 0x8001;
  std::string panel_class = "TemboNotchQuickControls";
  unsigned panel_frame = 0x8002;
  std::string host_class = "StandaloneTemboNotchHost";
  std::uint64_t host_timer_id = 1;
};

struct IdleTally {
  std::uint64_t island_frames = 0;
  std::uint64_t panel_frames = 0;
  std::uint64_t host_timer = 0;
  std::uint64_t other_timers = 0;
  std::uint64_t all_messages = 0;
  // Timer messages beyond the host's, by "class/id", and every counter that
  // moved, by "class/0xMSG" (for a reader looking for what woke the thread).
  std::map<std::string, std::uint64_t> other_timers_by_source;
  std::map<std::string, std::uint64_t> moved;
};

inline std::string HexMessage(unsigned message) {
  static const char digits[] = "0123456789abcdef";
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) text += digits[(message >> shift) & 0xF];
  return text;
}

// The counts between `before` and `after`. A counter missing from `before`
// started at zero; one that went backwards (the process was replaced) adds
// nothing rather than wrapping round to a huge number.
inline IdleTally Tally(const std::vector<MessageCount>& before, const std::vector<MessageCount>& after,
                       const WatchedMessages& watched = {}) {
  using Key = std::tuple<std::string, unsigned, std::uint64_t>;
  std::map<Key, std::uint64_t> start;
  for (const MessageCount& counter : before)
    start[{counter.window_class, counter.message, counter.id}] += counter.count;
  std::map<Key, std::uint64_t> end;
  for (const MessageCount& counter : after) end[{counter.window_class, counter.message, counter.id}] += counter.count;

  IdleTally tally;
  for (const auto& [key, count] : end) {
    const auto found = start.find(key);
    const std::uint64_t from = found == start.end() ? 0 : found->second;
    if (count <= from) continue;
    const std::uint64_t delta = count - from;
    const auto& [window_class, message, id] = key;
    tally.all_messages += delta;
    tally.moved[window_class + "/" + HexMessage(message)] += delta;
    if (message == kTimerMessage) {
      if (window_class == watched.host_class && id == watched.host_timer_id) {
        tally.host_timer += delta;
      } else {
        tally.other_timers += delta;
        tally.other_timers_by_source[window_class + "/" + std::to_string(id)] += delta;
      }
    } else if (window_class == watched.island_class && message == watched.island_frame) {
      tally.island_frames += delta;
    } else if (window_class == watched.panel_class && message == watched.panel_frame) {
      tally.panel_frames += delta;
    }
  }
  return tally;
}

}  // namespace notch::idle
