#include "activities/notice_card_view.h"

#include "shell/ilha/shape_outline.h"

namespace notch {

NoticeCardArea NoticeCardAreaIn(IslandStyle style, const RectF& shape, float upper_radius, float notch_height) {
  const RectF inner = InnerArea(style, shape, upper_radius);
  // The notch's content starts under the band; the pill has no band inside.
  const bool notch = style == IslandStyle::Notch;
  const float content_top = notch ? shape.top + notch_height : shape.top;
  return {inner.left, inner.right, (content_top + shape.bottom) / 2.0f - (notch ? 3.0f : 0.0f)};
}

RectF NoticeBadgeBox(const NoticeCardArea& area) {
  return {area.left + 14.0f, area.centre_y - 16.0f, area.left + 46.0f, area.centre_y + 16.0f};
}

void DrawNoticeCard(Canvas& canvas, const NoticeCard& card, const NoticeCardArea& area,
                    const IslandTextFormats& formats) {
  const RectF badge = NoticeBadgeBox(area);
  if (card.badge_drawer) {
    card.badge_drawer(canvas, badge);
  } else {
    // A rounded square as wide as its radius twice is the circle.
    canvas.FillRoundedRect(badge, 16.0f, Brush::Solid(WithAlpha(card.colour, 0.22f)));
    if (card.glyph != 0) {
      const wchar_t glyph[] = {static_cast<wchar_t>(card.glyph), L'\0'};
      canvas.DrawText(std::wstring_view(glyph, 1), formats[TextRole::Icon12], badge, Brush::Solid(card.colour));
    }
  }
  const float cy = area.centre_y;
  const float text_left = area.left + 56.0f;
  const float text_right = area.right - 16.0f;
  if (card.subtitle.empty()) {
    canvas.DrawText(card.title, formats[TextRole::Title], {text_left, cy - 8.0f, text_right, cy + 9.0f},
                    Brush::Solid(White()));
    return;
  }
  canvas.DrawText(card.title, formats[TextRole::Title], {text_left, cy - 16.0f, text_right, cy + 1.0f},
                  Brush::Solid(White()));
  canvas.DrawText(card.subtitle, formats[TextRole::Secondary], {text_left, cy + 1.0f, text_right, cy + 16.0f},
                  Brush::Solid(White(0.55f)));
}

}  // namespace notch
