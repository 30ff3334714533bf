#include "activities/media_snapshot.h"

#include <algorithm>

namespace notch {

double CurrentPosition(const MediaSnapshot& snapshot, double now_ms) {
  double position = snapshot.position_s;
  if (snapshot.playing) position += (now_ms - snapshot.sample_time_ms) / 1000.0;
  if (snapshot.duration_s > 0.0) return std::clamp(position, 0.0, snapshot.duration_s);
  return std::max(position, 0.0);
}

}  // namespace notch
