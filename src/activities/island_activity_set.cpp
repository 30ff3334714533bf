#include "activities/island_activity_set.h"

#include "activities/notice_card_view.h"

namespace notch {

void IslandActivitySet::ApplyThemeColours(unsigned theme) {
  formats_ = IslandTextFormats(fonts_, static_cast<Theme>(theme));
}

void IslandActivitySet::DrawContent(Canvas& canvas, const IslandContentFrame& frame) {
  if (frame.state != IslandState::Notification) return;
  // The cross-fade applies to the whole content, badge drawings included.
  const bool fading = frame.opacity < 1.0f;
  if (fading) canvas.PushLayer(nullptr, frame.opacity);
  const IslandRecord& r = frame.record;
  DrawNoticeCard(canvas, r.card, NoticeCardAreaIn(r.style, frame.shape, frame.upper_radius, frame.notch_height),
                 formats_);
  if (fading) canvas.PopLayer();
}

}  // namespace notch
