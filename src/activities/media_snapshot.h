#pragma once
// What the media thread publishes about the current media session.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/colour.h"

namespace notch {

namespace lyrics {
struct Sheet;
}

struct MediaSnapshot {
  bool has_media = false;  // Playing or Paused with a title
  bool playing = false;
  bool shuffle_active = false;
  bool shuffle_enabled = false;
  std::wstring title;
  std::wstring artist;
  std::wstring source_app_id;
  std::shared_ptr<const std::vector<std::uint8_t>> art_pixels;  // premultiplied BGRA
  int art_width = 0;
  int art_height = 0;
  std::uint32_t art_version = 0;
  Colour tint{1.0f, 1.0f, 1.0f, 1.0f};
  std::shared_ptr<const lyrics::Sheet> lyrics;
  double position_s = 0.0;
  double duration_s = 0.0;
  double timeline_start_s = 0.0;
  double sample_time_ms = 0.0;  // monotonic time of the position sample
};

// The playback position now: extrapolated while playing, kept within the
// timeline.
double CurrentPosition(const MediaSnapshot& snapshot, double now_ms);

}  // namespace notch
