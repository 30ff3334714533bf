#pragma once
// Where the media activity's parts sit: in the pill and in the expanded
// card. Drawing and hit-testing both read these rectangles.
#include <array>

#include "host/settings.h"
#include "render/geometry.h"

namespace notch {

// The compact activity inside the pill or notch.
struct MediaPillLayout {
  RectF art;  // 16 x 16
  float art_radius = 4.0f;
  RectF bars;       // level bars, or ...
  RectF countdown;  // ... the remaining time while a countdown runs
  RectF lyric;      // the current lyric line
};

// `countdown`: a countdown runs, so its time replaces the level bars.
MediaPillLayout LayOutMediaPill(IslandStyle style, Theme theme, const RectF& shape, float upper_radius, bool countdown);

// The expanded card's content box: the content size centred in the shape,
// below the notch band (the notch) or the header row (the pill).
RectF MediaCardBox(IslandStyle style, Theme theme, const RectF& shape, float notch_height);

enum class CardButton { Shuffle = 0, Previous, PlayPause, Next, Output };

struct MediaCardLayout {
  RectF art;
  float art_radius = 9.0f;
  RectF title;
  RectF second_line;
  RectF bars;          // at the top when no lyric line shows
  RectF bars_lowered;  // beside a lyric line
  RectF elapsed;
  RectF progress;      // the bar itself, 3 high
  RectF progress_hit;  // 14 high
  RectF remaining;
  std::array<RectF, 5> buttons;  // hit boxes, in CardButton order
  RectF lyrics_button;
  float credit_top = 0.0f, credit_bottom = 0.0f;
  float credit_left = 0.0f, credit_right = 0.0f;
};

MediaCardLayout LayOutMediaCard(const RectF& box, Theme theme);

}  // namespace notch
