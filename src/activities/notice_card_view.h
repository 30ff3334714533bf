#pragma once
// The notice card's drawing: a round badge with a glyph (or the card's own
// badge drawing) on the left, the title and an optional subtitle beside it.
#include "activities/notice_card.h"
#include "host/settings.h"
#include "render/canvas.h"
#include "render/text_formats.h"

namespace notch {

// Where the card sits in the shape: the inner area's left and right edges
// and the vertical centre of the content below the notch band.
struct NoticeCardArea {
  float left = 0.0f, right = 0.0f, centre_y = 0.0f;
};

NoticeCardArea NoticeCardAreaIn(IslandStyle style, const RectF& shape, float upper_radius, float notch_height);

RectF NoticeBadgeBox(const NoticeCardArea& area);

void DrawNoticeCard(Canvas& canvas, const NoticeCard& card, const NoticeCardArea& area,
                    const IslandTextFormats& formats);

}  // namespace notch
