#include "activities/lyric_timing.h"

#include <algorithm>

namespace notch {

std::optional<std::size_t> CurrentLyricLine(const lyrics::Sheet& sheet, double position_ms) {
  const auto& lines = sheet.lines;
  const auto after = std::upper_bound(lines.begin(), lines.end(), position_ms,
                                      [](double p, const lyrics::Line& line) { return p < line.start; });
  for (auto it = after; it != lines.begin();) {
    --it;
    if (it->end != 0 && it->end <= position_ms) continue;  // finished: look at the one before
    if (it->text.empty()) return std::nullopt;
    return static_cast<std::size_t>(it - lines.begin());
  }
  return std::nullopt;
}

bool WordBeingSung(const lyrics::Line& line, double position_ms) {
  return std::any_of(line.words.begin(), line.words.end(),
                     [&](const lyrics::Word& word) { return word.start < position_ms && position_ms < word.end; });
}

void LyricTiming::Reset() { *this = LyricTiming(); }

void LyricTiming::UpdateForPill(const lyrics::Sheet* sheet, double position_ms) {
  previous_.reset();
  animate_ = false;
  current_ = sheet ? CurrentLyricLine(*sheet, position_ms) : std::nullopt;
  last_ms_ = position_ms;
}

void LyricTiming::UpdateForCard(const lyrics::Sheet* sheet, double position_ms, bool playing, bool reduce_motion) {
  const auto line = sheet ? CurrentLyricLine(*sheet, position_ms) : std::nullopt;
  const lyrics::Line* timed = line ? &sheet->lines[*line] : nullptr;
  const bool candidate = !reduce_motion && playing && timed != nullptr && timed->end != 0 &&
                         position_ms < timed->start + kLineChangeMs && last_ms_ <= position_ms;
  if (!candidate) {
    previous_.reset();
    animate_ = false;
  } else if (line != current_) {
    animate_ = last_ms_ >= 0.0 && timed->start > last_ms_ && position_ms - last_ms_ <= kLineChangeMs;
    previous_ = animate_ ? current_ : std::nullopt;
  }
  current_ = line;
  last_ms_ = position_ms;
}

}  // namespace notch
