#pragma once
// Which lyric line is current at a playback position, and whether a change
// of line slides in with an animation.
#include <cstdint>
#include <optional>

#include "lyrics/lyrics_sheet.h"

namespace notch {

inline constexpr double kLineChangeMs = 150.0;

// The current timed line at position `ms`: the last line started, unless it
// (and every line before it, walking back) has already ended; a current line
// with empty text means none. LRC lines (end 0) last until the next starts.
std::optional<std::size_t> CurrentLyricLine(const lyrics::Sheet& sheet, double position_ms);

// Whether one of the line's words is being sung at `position_ms`, so that
// its wipe moves as the track plays.
bool WordBeingSung(const lyrics::Line& line, double position_ms);

class LyricTiming {
 public:
  void Reset();

  // The pill never animates a change.
  void UpdateForPill(const lyrics::Sheet* sheet, double position_ms);
  // The card slides a new line in when it starts right as it is reached.
  void UpdateForCard(const lyrics::Sheet* sheet, double position_ms, bool playing, bool reduce_motion);

  std::optional<std::size_t> current() const { return current_; }
  std::optional<std::size_t> previous() const { return previous_; }  // the line sliding out
  bool animating() const { return animate_; }
  double last_position_ms() const { return last_ms_; }

 private:
  std::optional<std::size_t> current_;
  std::optional<std::size_t> previous_;
  bool animate_ = false;
  double last_ms_ = -1.0;
};

}  // namespace notch
