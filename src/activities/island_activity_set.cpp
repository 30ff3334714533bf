#include "activities/island_activity_set.h"

#include "activities/hud_view.h"
#include "activities/media_layout.h"
#include "activities/notice_card_view.h"
#include "activities/privacy_dot.h"
#include "render/accent_colour.h"

namespace notch {
namespace {

// The expanded card's content box, shared by its pages.
RectF PageBox(const IslandContentFrame& frame) {
  return MediaCardBox(frame.record.style, frame.record.theme, frame.shape, frame.notch_height);
}

}  // namespace

IslandActivitySet::IslandActivitySet(const FontSet& fonts, const Settings& settings, ActivityPorts ports)
    : fonts_(fonts),
      settings_(settings),
      ports_(std::move(ports)),
      formats_(fonts, Theme::Sequoia),
      accent_(AccentColour(settings)),
      symbols_(ports_.symbols_folder),
      media_(ports_.media, symbols_),
      clipboard_(ports_.clipboard),
      statistics_(ports_.statistics),
      timer_(symbols_),
      shelf_(ports_.shelf),
      lyrics_on_(settings.LyricsOn()) {
  RefreshHeader();
}

void IslandActivitySet::RefreshHeader() {
  if (ports_.header_buttons) header_ = ports_.header_buttons();
}

void IslandActivitySet::Attach(IslandCommands& island) {
  media_.Attach(island);
  clipboard_.Attach(island);
  statistics_.Attach(island);
  timer_.Attach(island);
  shelf_.Attach(island);
}

void IslandActivitySet::Activate(HitItem item, PointF point) {
  if (clipboard_.Activate(item) || timer_.Activate(item) || shelf_.Activate(item)) return;
  media_.Activate(item, point, hits_);
}

void IslandActivitySet::ApplyThemeColours(unsigned theme) {
  formats_ = IslandTextFormats(fonts_, static_cast<Theme>(theme));
  accent_ = AccentColour(settings_);
}

void IslandActivitySet::SetLyricsEnabled(bool on) {
  lyrics_on_ = on;
  if (!on) media_.ResetTiming();
  if (ports_.set_lyrics_enabled) ports_.set_lyrics_enabled(on);
}

void IslandActivitySet::StartMediaThread() {
  if (ports_.start_media_thread) ports_.start_media_thread();
}

void IslandActivitySet::StartWatchers() {
  if (ports_.start_watchers) ports_.start_watchers();
  clipboard_.Listen();
}

void IslandActivitySet::DecorateDownloadCard(NoticeCard& card, const std::wstring& path) {
  if (ports_.reveal) card.click_action = [reveal = ports_.reveal, path] { reveal(path); };
}

void IslandActivitySet::DrawContent(Canvas& canvas, const IslandContentFrame& frame) {
  const bool current = frame.state == frame.record.state;
  if (current) hits_.Clear();
  // The cross-fade applies to the whole content at once.
  if (frame.opacity >= 1.0f) {
    DrawState(canvas, frame);
    return;
  }
  IslandContentFrame opaque = frame;
  opaque.opacity = 1.0f;
  canvas.PushLayer(nullptr, frame.opacity);
  DrawState(canvas, opaque);
  canvas.PopLayer();
}

void IslandActivitySet::DrawState(Canvas& canvas, const IslandContentFrame& whole) {
  const IslandRecord& r = whole.record;
  DrawPrivacyDot(canvas, whole.shape, whole.state, r.privacy_bits);
  IslandContentFrame frame = whole;
  frame.shape = PrivacyContentShape(whole.shape, whole.state, r.privacy_bits);
  const bool current = frame.state == r.state;
  switch (frame.state) {
    case IslandState::Notification:
      DrawNoticeCard(canvas, r.card, NoticeCardAreaIn(r.style, frame.shape, frame.upper_radius, frame.notch_height),
                     formats_);
      break;
    case IslandState::Timer:
      timer_.DrawPill(canvas, frame, formats_);
      break;
    case IslandState::Hud:
      DrawHud(canvas, frame, formats_, symbols_);
      break;
    case IslandState::Media:
      media_.DrawPill(canvas, frame, formats_);
      if (current) media_.MarkBarsDrawn();
      return;
    case IslandState::Expanded: {
      if (r.page != page::kQuickControls && ports_.header_buttons) {
        HitRegions fading;
        const IslandHeaderLook look{r.hovered_item, r.pressed_item, frame.media.playing, lyrics_on_, 1.0f};
        DrawIslandHeader(canvas, LayOutIslandHeader(r.style, r.theme, frame.shape, frame.notch_height, header_), look,
                         formats_, header_icons_, current ? hits_ : fading);
      }
      if (r.page == page::kMedia) {
        media_.DrawCard(canvas, frame, formats_, accent_, hits_);
        if (current) media_.MarkBarsDrawn();
        return;
      }
      // Only the current state's elements answer clicks.
      HitRegions fading;
      HitRegions& hits = current ? hits_ : fading;
      switch (r.page) {
        case page::kTimer:
          timer_.DrawPage(canvas, frame, formats_, hits);
          break;
        case page::kClipboard:
          clipboard_.Draw(canvas, PageBox(frame), r, frame.now_ms, formats_, hits);
          break;
        case page::kShelf:
          shelf_.DrawPage(canvas, frame, formats_, hits);
          break;
        case page::kStatistics:
          statistics_.Draw(canvas, PageBox(frame), r.theme, formats_);
          break;
        default:
          break;
      }
      break;
    }
    default:
      break;
  }
  // The lyric timing lives only while the pill or the media page shows.
  if (current) media_.ResetTiming();
}

}  // namespace notch
