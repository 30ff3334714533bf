#pragma once
// The four level bars of the media view: they dance with the output's peak
// level while music plays and settle at a low rest level otherwise.
#include <array>
#include <optional>

namespace notch {

class LevelBars {
 public:
  static constexpr int kBars = 4;
  static constexpr float kRestLevel = 0.18f;

  LevelBars() {
    levels_.fill(kRestLevel);
    drawn_.fill(kRestLevel);
  }

  // Energy 0..1 from the endpoint's peak meter value.
  static float Energy(float peak);

  // One animation tick at `now_ms`; `peak` is the meter value while playing
  // (nothing when not playing or the meter is missing). Returns whether a
  // bar moved enough since it was last drawn to need a repaint.
  bool Advance(double now_ms, bool playing, std::optional<float> peak);

  // Whether the bars still need their timer: playing, or not yet at rest.
  bool Animating(bool playing) const;

  float level(int bar) const { return levels_[static_cast<std::size_t>(bar)]; }
  // The painter remembers what it drew.
  void MarkDrawn() { drawn_ = levels_; }

 private:
  std::array<float, kBars> levels_{};
  std::array<float, kBars> drawn_{};
  double last_ms_ = -1.0;
};

}  // namespace notch
