#pragma once
// A command for the media session, queued by the window thread and carried
// out in order by the media thread.

namespace notch {

enum class MediaCommandKind { TogglePlayPause = 1, Next = 2, Previous = 3, SetShuffle = 4, Seek = 5 };

struct MediaCommand {
  MediaCommandKind kind = MediaCommandKind::TogglePlayPause;
  double value = 0.0;  // shuffle: 1 on, 0 off; seek: seconds from the timeline's start
  friend bool operator==(const MediaCommand&, const MediaCommand&) = default;
};

}  // namespace notch
