#include "activities/level_bars.h"

#include <algorithm>
#include <cmath>

namespace notch {
namespace {

struct Wave {
  double speed, phase;
};
constexpr std::array<Wave, LevelBars::kBars> kWaves = {{{7.3, 0.3}, {9.1, 1.9}, {5.7, 3.1}, {8.3, 4.4}}};

constexpr float kRepaintStep = 0.02f;
constexpr float kAtRest = 0.001f;

}  // namespace

float LevelBars::Energy(float peak) {
  if (!(peak > 0.002f)) return 0.0f;
  return std::clamp(std::sqrt(peak) * 0.8f + 0.45f, 0.0f, 1.0f);
}

bool LevelBars::Advance(double now_ms, bool playing, std::optional<float> peak) {
  const double dt = last_ms_ < 0.0 ? 1.0 : std::clamp(now_ms - last_ms_, 1.0, 100.0);
  last_ms_ = now_ms;
  const double smoothing = 1.0 - std::exp(-dt / 52.0);
  const float energy = playing && peak ? Energy(*peak) : 0.0f;
  const double t = now_ms / 1000.0;
  bool repaint = false;
  for (std::size_t i = 0; i < kWaves.size(); ++i) {
    const float target =
        energy > 0.0f
            ? static_cast<float>((std::fabs(std::sin(t * kWaves[i].speed + kWaves[i].phase)) * 0.6 + 0.4) * energy)
            : kRestLevel;
    levels_[i] += static_cast<float>((target - levels_[i]) * smoothing);
    repaint |= std::fabs(levels_[i] - drawn_[i]) >= kRepaintStep;
  }
  return repaint;
}

bool LevelBars::Animating(bool playing) const {
  if (playing) return true;
  return std::any_of(levels_.begin(), levels_.end(), [](float l) { return std::fabs(l - kRestLevel) > kAtRest; });
}

}  // namespace notch
