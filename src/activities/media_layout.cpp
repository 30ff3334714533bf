#include "activities/media_layout.h"

namespace notch {
namespace {

RectF Centred(float cx, float cy, float width, float height) {
  return {cx - width / 2.0f, cy - height / 2.0f, cx + width / 2.0f, cy + height / 2.0f};
}

constexpr float kBarsWidth = 18.6f;

}  // namespace

MediaPillLayout LayOutMediaPill(IslandStyle style, Theme theme, const RectF& shape, float upper_radius,
                                bool countdown) {
  const bool notch = style == IslandStyle::Notch;
  const float left = shape.left + (notch ? 6.0f + upper_radius : 4.0f);
  const float right = shape.right - (notch ? 10.0f + upper_radius : 11.0f);
  const float cy = (shape.top + shape.bottom) / 2.0f;
  MediaPillLayout layout;
  layout.art = {left, cy - 8.0f, left + 16.0f, cy + 8.0f};
  layout.art_radius = theme == Theme::Leopard ? 2.25f : 4.0f;
  layout.bars = {right - kBarsWidth, cy - 6.0f, right, cy + 6.0f};
  layout.countdown = {right - 60.0f, cy - 8.0f, right, cy + 8.0f};
  const float lyric_right = countdown ? layout.countdown.left - 6.0f : layout.bars.left - 9.0f;
  layout.lyric = {layout.art.right + 9.0f, cy - 9.0f, lyric_right, cy + 9.0f};
  return layout;
}

RectF MediaCardBox(IslandStyle style, Theme theme, const RectF& shape, float notch_height) {
  const bool notch = style == IslandStyle::Notch;
  const float side = notch && theme != Theme::Leopard ? 19.0f : 0.0f;
  const float top = shape.top + (notch ? notch_height : 28.0f);
  return {shape.left + side, top, shape.right - side, shape.bottom};
}

MediaCardLayout LayOutMediaCard(const RectF& box, Theme theme) {
  const float left = box.left, right = box.right, top = box.top;
  MediaCardLayout l;
  l.art = {left + 14.0f, top, left + 54.0f, top + 40.0f};
  l.art_radius = theme == Theme::GoldenGate ? 11.0f : theme == Theme::Leopard ? 4.0f : 9.0f;
  l.title = {l.art.right + 9.0f, top + 3.0f, right - 40.0f, top + 20.0f};
  l.second_line = {l.art.right + 9.0f, top + 20.0f, right - 40.0f, top + 37.0f};
  l.bars = {right - 32.0f, top + 6.0f, right - 16.0f, top + 18.0f};
  l.bars_lowered = {right - 32.0f, top + 13.0f, right - 16.0f, top + 25.0f};

  const float progress_y = top + 54.0f;
  l.elapsed = {left + 14.0f, progress_y - 8.0f, left + 46.0f, progress_y + 8.0f};
  l.progress = {left + 50.0f, progress_y - 1.5f, right - 54.0f, progress_y + 1.5f};
  l.progress_hit = {left + 50.0f, progress_y - 7.0f, right - 54.0f, progress_y + 7.0f};
  l.remaining = {right - 50.0f, progress_y - 8.0f, right - 16.0f, progress_y + 8.0f};

  const float controls_y = top + 82.0f;
  const float cx = (left + right) / 2.0f;
  constexpr float kOffsets[] = {-100.0f, -50.0f, 0.0f, 50.0f, 100.0f};
  for (std::size_t i = 0; i < l.buttons.size(); ++i) {
    const float size = static_cast<CardButton>(i) == CardButton::PlayPause ? 33.0f : 28.0f;
    l.buttons[i] = Centred(cx + kOffsets[i], controls_y, size, size);
  }
  l.lyrics_button = Centred(right - 24.0f, controls_y, 22.0f, 22.0f);
  l.credit_top = top + 100.0f;
  l.credit_bottom = top + 117.0f;
  l.credit_left = left + 14.0f;
  l.credit_right = right - 14.0f;
  return l;
}

}  // namespace notch
