#include "activities/media_view.h"

#include <algorithm>
#include <cmath>

#include "activities/bar_views.h"
#include "activities/lyric_line_view.h"
#include "activities/media_layout.h"
#include "activities/media_timeline.h"
#include "common/easing.h"
#include "host/translate.h"
#include "lyrics/lyrics_sheet.h"
#include "render/button_highlight.h"

namespace notch {
namespace {

constexpr float kLongestMeasuredLyric = 400.0f;
constexpr wchar_t kShuffleGlyph = 0xE8B1;
constexpr wchar_t kOutputGlyph = 0xE7F4;
constexpr wchar_t kLyricsGlyph = 0xE946;

RectF CentredBox(const RectF& around, float width, float height, float dx = 0.0f) {
  const PointF c = around.centre();
  return {c.x - width / 2.0f + dx, c.y - height / 2.0f, c.x + width / 2.0f + dx, c.y + height / 2.0f};
}

// The rectangle that covers `box` with the picture's aspect, centred.
RectF AspectFill(const RectF& box, int width, int height) {
  const float scale = std::max(box.width() / static_cast<float>(width), box.height() / static_cast<float>(height));
  const float w = static_cast<float>(width) * scale, h = static_cast<float>(height) * scale;
  const PointF c = box.centre();
  return {c.x - w / 2.0f, c.y - h / 2.0f, c.x + w / 2.0f, c.y + h / 2.0f};
}

ButtonState StateOf(const IslandRecord& r, int kind) {
  if (r.pressed_item.kind == kind) return ButtonState::Pressed;
  if (r.hovered_item.kind == kind) return ButtonState::Hovered;
  return ButtonState::Rest;
}

// Plain lines count only for a sheet without timed lines.
int UntimedLines(const lyrics::Sheet* sheet) {
  return sheet && sheet->lines.empty() ? static_cast<int>(sheet->plain.size()) : 0;
}

void DrawGlyph(Canvas& canvas, wchar_t glyph, const RectF& box, const TextFormat& format, Colour colour) {
  const wchar_t text[] = {glyph, L'\0'};
  canvas.DrawText(std::wstring_view(text, 1), format, box, Brush::Solid(colour));
}

}  // namespace

const lyrics::Sheet* MediaView::Sheet() const { return island_ ? island_->media().lyrics.get() : nullptr; }

bool MediaView::TrackExists() const { return island_ && island_->media().has_media; }

bool MediaView::LyricsHaveTimedLines() const {
  const lyrics::Sheet* sheet = Sheet();
  return sheet && !sheet->lines.empty();
}

int MediaView::UntimedLyricLines() const { return UntimedLines(Sheet()); }

float MediaView::MeasureLyricWidth(const TextFormat& lyric_format) const {
  const lyrics::Sheet* sheet = Sheet();
  if (!sheet || !ports_.measure) return 0.0f;
  float widest = 0.0f;
  const auto consider = [&](const std::wstring& text) {
    if (text.empty() || widest >= kLongestMeasuredLyric) return;
    widest = std::max(widest, ports_.measure(text, lyric_format));
  };
  if (!sheet->lines.empty()) {
    for (const lyrics::Line& line : sheet->lines) consider(line.text);
  } else {
    for (const std::wstring& text : sheet->plain) consider(text);
  }
  return widest;
}

bool MediaView::Visible() const {
  if (!island_) return false;
  const IslandRecord& r = island_->record();
  return r.state == IslandState::Media || (r.state == IslandState::Expanded && r.page == page::kMedia);
}

bool MediaView::Animating() const { return Visible() && bars_.Animating(island_->media().playing); }

bool MediaView::Tick() {
  if (!island_) return false;
  const MediaSnapshot& media = island_->media();
  const double now = island_->now_ms();
  const std::optional<float> peak = media.playing && ports_.read_peak ? ports_.read_peak() : std::nullopt;
  const bool bars_moved = bars_.Advance(now, media.playing, peak);
  return bars_moved || (media.playing && Visible() && TimeMovedTheView(media, now));
}

bool MediaView::TimeMovedTheView(const MediaSnapshot& media, double now_ms) const {
  const double position_s = CurrentPosition(media, now_ms);
  if (island_->record().state == IslandState::Expanded && static_cast<long long>(position_s) != card_second_) {
    return true;
  }
  const lyrics::Sheet* sheet = Sheet();
  if (!sheet || sheet->lines.empty()) return false;
  const double position_ms = position_s * 1000.0;
  const std::optional<std::size_t> line = CurrentLyricLine(*sheet, position_ms);
  if (line != timing_.current() || timing_.animating()) return true;
  return line && WordBeingSung(sheet->lines[*line], position_ms);
}

void MediaView::AdvanceLevels() { Tick(); }

Colour MediaView::BarColour(const MediaSnapshot& media) const {
  return LyricColour(media.tint, media.lyrics != nullptr);
}

void MediaView::DrawArt(Canvas& canvas, const MediaSnapshot& media, const RectF& box, float radius, float opacity) {
  if (!art_ || art_version_ != media.art_version || art_domain_ != canvas.BitmapDomain()) {
    art_ = canvas.CreateBitmap(media.art_width, media.art_height, *media.art_pixels);
    art_version_ = media.art_version;
    art_domain_ = canvas.BitmapDomain();
  }
  if (!art_) return;
  if (!art_clip_ || !(art_clip_rect_ == box) || art_clip_domain_ != canvas.PathDomain()) {
    art_clip_ = canvas.CreatePath(RoundedRectFigure(box, radius));
    art_clip_rect_ = box;
    art_clip_domain_ = canvas.PathDomain();
  }
  canvas.PushLayer(art_clip_.get(), opacity);
  canvas.DrawBitmap(*art_, AspectFill(box, media.art_width, media.art_height), 1.0f);
  canvas.PopLayer();
}

void MediaView::DrawPlaceholderArt(Canvas& canvas, const RectF& box, float radius, const IslandTextFormats& formats,
                                   float opacity) {
  canvas.FillRoundedRect(box, radius, Brush::Solid(White(0.14f * opacity)));
  const RectF note{box.left + box.width() * 0.28f, box.top + box.height() * 0.25f, box.right - box.width() * 0.28f,
                   box.bottom - box.height() * 0.25f};
  symbols_.DrawSymbol(canvas, L"music.note", note, White(0.6f * opacity), formats[TextRole::Icon12]);
}

void MediaView::DrawPill(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats) {
  const MediaSnapshot& media = frame.media;
  const IslandRecord& r = frame.record;
  const bool countdown = frame.countdown.active();
  const MediaPillLayout layout = LayOutMediaPill(r.style, r.theme, frame.shape, frame.upper_radius, countdown);
  const double position_ms = CurrentPosition(media, frame.now_ms) * 1000.0;
  if (frame.state == r.state) timing_.UpdateForPill(Sheet(), position_ms);

  if (media.art_pixels && media.art_width > 0) {
    DrawArt(canvas, media, layout.art, layout.art_radius, frame.opacity);
  } else {
    DrawPlaceholderArt(canvas, layout.art, layout.art_radius, formats, frame.opacity);
  }
  if (countdown) {
    canvas.DrawText(FormatCountdown(frame.countdown.Remaining(frame.now_ms)), formats[TextRole::BoldTrailing],
                    layout.countdown, Brush::Solid(WithAlpha(kTimerOrange, frame.opacity)));
  } else {
    const Colour bars = BarColour(media);
    DrawLevelBars(canvas, layout.bars, bars_, WithAlpha(bars, bars.a * frame.opacity));
  }
  const lyrics::Sheet* sheet = Sheet();
  if (sheet && timing_.current()) {
    DrawLyricLine(canvas, sheet->lines[*timing_.current()], layout.lyric, formats[TextRole::LyricCentred],
                  BarColour(media), frame.opacity, position_ms);
  }
}

void MediaView::DrawCardLine(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats,
                             const RectF& box, double position_ms, HitRegions& hits, bool& lyric_shown) {
  const MediaSnapshot& media = frame.media;
  const lyrics::Sheet* sheet = Sheet();
  const Colour lyric = LyricColour(media.tint, sheet != nullptr);
  lyric_shown = false;
  if (sheet && timing_.current()) {
    lyric_shown = true;
    const lyrics::Line& line = sheet->lines[*timing_.current()];
    if (timing_.animating() && timing_.previous()) {
      const float progress =
          static_cast<float>(Ease(std::clamp((position_ms - line.start) / kLineChangeMs, 0.0, 1.0), kEaseOut));
      DrawLyricTransition(canvas, sheet->lines[*timing_.previous()], line, box, formats[TextRole::Lyric], lyric,
                          progress, position_ms);
    } else {
      DrawLyricLine(canvas, line, box, formats[TextRole::Lyric], lyric, frame.opacity, position_ms);
    }
    return;
  }
  const int offset = frame.record.lyrics_scroll_offset;
  if (offset >= 0 && offset < UntimedLines(sheet)) {
    lyric_shown = true;
    canvas.DrawText(sheet->plain[static_cast<std::size_t>(offset)], formats[TextRole::Lyric], box,
                    Brush::Solid(WithAlpha(lyric, frame.opacity)));
    hits.Add(media_hit::kLyricLine, box);
    return;
  }
  canvas.DrawText(media.artist, formats[TextRole::Secondary], box, Brush::Solid(White(0.55f * frame.opacity)));
}

void MediaView::DrawCard(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats,
                         Colour accent, HitRegions& hits) {
  const MediaSnapshot& media = frame.media;
  const IslandRecord& r = frame.record;
  const RectF box = MediaCardBox(r.style, r.theme, frame.shape, frame.notch_height);
  const MediaCardLayout l = LayOutMediaCard(box, r.theme);
  const double position_ms = CurrentPosition(media, frame.now_ms) * 1000.0;
  const float o = frame.opacity;
  if (frame.state == r.state) {
    timing_.UpdateForCard(Sheet(), position_ms, media.playing, island_ && island_->reduce_motion());
  }

  if (media.art_pixels && media.art_width > 0) {
    DrawArt(canvas, media, l.art, l.art_radius, o);
    if (r.theme == Theme::Leopard) {
      // The reflection fades out over 11 DIPs in strips, then a thin outline.
      for (int i = 0; i < 11; ++i) {
        const float y = l.art.bottom + static_cast<float>(i);
        canvas.PushClip({l.art.left, y, l.art.right, y + 1.0f});
        canvas.PushTransform({1.0f, 0.0f, 0.0f, -1.0f, 0.0f, 2.0f * l.art.bottom});
        DrawArt(canvas, media, l.art, l.art_radius, o * 0.35f * (1.0f - static_cast<float>(i) / 11.0f));
        canvas.PopTransform();
        canvas.PopClip();
      }
      canvas.StrokeRoundedRect(l.art, 3.5f, Brush::Solid(White(0.25f * o)), 1.0f);
    }
  } else {
    DrawPlaceholderArt(canvas, l.art, l.art_radius, formats, o);
  }
  hits.Add(media_hit::kArt, l.art);

  const std::wstring title = media.has_media ? media.title : std::wstring(Translate(L"Nada tocando"));
  canvas.DrawText(title, formats[TextRole::Title], l.title, Brush::Solid(White(o)));
  bool lyric_shown = false;
  DrawCardLine(canvas, frame, formats, l.second_line, position_ms, hits, lyric_shown);
  const Colour bars = BarColour(media);
  DrawLevelBars(canvas, lyric_shown ? l.bars_lowered : l.bars, bars_, WithAlpha(bars, bars.a * o));

  // Progress row.
  const bool known = media.duration_s > 1.0;
  const double position_s = CurrentPosition(media, frame.now_ms);
  card_second_ = static_cast<long long>(position_s);
  if (known) {
    canvas.DrawText(FormatTrackTime(position_s), formats[TextRole::SmallLeading], l.elapsed, Brush::Solid(White(o)));
    const Colour remaining = r.theme == Theme::Leopard ? accent : media.tint;
    canvas.DrawText(L"-" + FormatTrackTime(media.duration_s - position_s), formats[TextRole::SmallTrailing],
                    l.remaining, Brush::Solid(WithAlpha(remaining, o)));
  }
  const bool hovered = r.hovered_item.kind == media_hit::kProgress;
  RectF bar = l.progress;
  if (hovered) bar = {bar.left, bar.top - 1.0f, bar.right, bar.bottom + 1.0f};
  canvas.PushLayer(nullptr, o);
  DrawProgressBar(canvas, bar, known ? static_cast<float>(position_s / media.duration_s) : 0.0f, r.theme);
  canvas.PopLayer();
  if (media.has_media) hits.Add(media_hit::kProgress, l.progress_hit);

  DrawControls(canvas, frame, formats, accent, hits);
}

void MediaView::DrawControls(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats,
                             Colour accent, HitRegions& hits) {
  const MediaSnapshot& media = frame.media;
  const IslandRecord& r = frame.record;
  const RectF box = MediaCardBox(r.style, r.theme, frame.shape, frame.notch_height);
  const MediaCardLayout l = LayOutMediaCard(box, r.theme);
  const float o = frame.opacity;
  const bool active = media.has_media;
  const Colour white = White((active ? 1.0f : 0.35f) * o);

  struct Button {
    CardButton which;
    int kind;
    bool enabled;
  };
  const Button buttons[] = {{CardButton::Shuffle, media_hit::kShuffle, active},
                            {CardButton::Previous, media_hit::kPrevious, active},
                            {CardButton::PlayPause, media_hit::kPlayPause, active},
                            {CardButton::Next, media_hit::kNext, active},
                            {CardButton::Output, media_hit::kOutput, true}};
  for (const Button& b : buttons) {
    const RectF& hit = l.buttons[static_cast<std::size_t>(b.which)];
    if (!b.enabled) continue;
    if (const ButtonState state = StateOf(r, b.kind); state != ButtonState::Rest) {
      DrawButtonHighlight(canvas, hit, hit.width() / 2.0f, r.theme, state);
    }
    hits.Add(b.kind, hit);
  }

  const RectF& shuffle = l.buttons[static_cast<std::size_t>(CardButton::Shuffle)];
  const Colour shuffle_colour = !active || !media.shuffle_enabled ? White(0.35f * o)
                                : !media.shuffle_active           ? White(o)
                                                        : WithAlpha(r.theme == Theme::Sequoia ? media.tint : accent, o);
  DrawGlyph(canvas, kShuffleGlyph, shuffle, formats[TextRole::Icon12], shuffle_colour);

  const RectF previous = CentredBox(l.buttons[static_cast<std::size_t>(CardButton::Previous)], 21.0f, 12.0f);
  const PointF pc = previous.centre();
  canvas.PushTransform({-1.0f, 0.0f, 0.0f, 1.0f, 2.0f * pc.x, 0.0f});  // mirrored
  symbols_.DrawSymbol(canvas, L"forward.fill", previous, white, formats[TextRole::Icon12]);
  canvas.PopTransform();

  const RectF& play_hit = l.buttons[static_cast<std::size_t>(CardButton::PlayPause)];
  if (media.playing) {
    symbols_.DrawSymbol(canvas, L"pause.fill", CentredBox(play_hit, 13.0f, 17.0f), white, formats[TextRole::Icon12]);
  } else {
    symbols_.DrawSymbol(canvas, L"play.fill", CentredBox(play_hit, 15.0f, 17.0f, 1.5f), white,
                        formats[TextRole::Icon12]);
  }
  symbols_.DrawSymbol(canvas, L"forward.fill",
                      CentredBox(l.buttons[static_cast<std::size_t>(CardButton::Next)], 21.0f, 12.0f), white,
                      formats[TextRole::Icon12]);
  DrawGlyph(canvas, kOutputGlyph, l.buttons[static_cast<std::size_t>(CardButton::Output)], formats[TextRole::Icon12],
            White(o));

  const lyrics::Sheet* sheet = Sheet();
  if (!sheet || (sheet->lines.empty() && sheet->plain.empty())) return;
  const Colour lyric = LyricColour(media.tint, true);
  const ButtonState state = StateOf(r, media_hit::kLyricsButton);
  if (state != ButtonState::Rest || lyrics_panel_) {
    DrawButtonHighlight(canvas, l.lyrics_button, l.lyrics_button.width() / 2.0f, r.theme,
                        state == ButtonState::Rest ? ButtonState::Hovered : state);
  }
  DrawGlyph(canvas, kLyricsGlyph, l.lyrics_button, formats[TextRole::Icon12],
            lyrics_panel_ ? WithAlpha(lyric, o) : White(0.55f * o));
  hits.Add(media_hit::kLyricsButton, l.lyrics_button);

  if (!lyrics_panel_ || !sheet->credit) return;
  const lyrics::Credit& credit = *sheet->credit;
  float x = l.credit_left;
  const std::wstring* names[] = {&credit.source_name, &credit.contributor_name};
  for (int i = 0; i < 2; ++i) {
    if (names[i]->empty() || x >= l.credit_right) continue;
    const float width =
        std::min(canvas.MeasureTextWidth(*names[i], formats[TextRole::SmallLeading]), l.credit_right - x);
    const RectF rect{x, l.credit_top, x + width, l.credit_bottom};
    // Drawn in the rest of the line, not the measured box: a measurement a
    // fraction short would otherwise cut the name to an ellipsis.
    canvas.DrawText(*names[i], formats[TextRole::SmallLeading], {x, l.credit_top, l.credit_right, l.credit_bottom},
                    Brush::Solid(WithAlpha(lyric, o)));
    hits.Add(media_hit::kCredit, rect, i);
    x += width + 12.0f;
  }
}

bool MediaView::Activate(HitItem item, PointF point, const HitRegions& hits) {
  if (!island_) return false;
  MediaSnapshot& media = island_->media_for_update();
  const double now = island_->now_ms();
  const auto post = [this](MediaCommandKind kind, double value = 0.0) {
    if (ports_.post_command) ports_.post_command({kind, value});
  };
  switch (item.kind) {
    case media_hit::kPrevious:
      post(MediaCommandKind::Previous);
      return true;
    case media_hit::kPlayPause:
      // Shown at once; the session confirms it with its next update.
      media.position_s = CurrentPosition(media, now);
      media.sample_time_ms = now;
      media.playing = !media.playing;
      post(MediaCommandKind::TogglePlayPause);
      island_->Redraw();
      return true;
    case media_hit::kNext:
      post(MediaCommandKind::Next);
      return true;
    case media_hit::kShuffle:
      if (!media.shuffle_enabled) return true;
      media.shuffle_active = !media.shuffle_active;
      post(MediaCommandKind::SetShuffle, media.shuffle_active ? 1.0 : 0.0);
      island_->Redraw();
      return true;
    case media_hit::kOutput:
      island_->Collapse();
      if (ports_.open) ports_.open(kSoundSettings);
      return true;
    case media_hit::kProgress: {
      const RectF* bar = hits.RectOf(media_hit::kProgress);
      if (!bar || bar->width() <= 0.0f) return true;
      const double fraction = std::clamp((point.x - bar->left) / bar->width(), 0.0f, 1.0f);
      media.position_s = fraction * media.duration_s;
      media.sample_time_ms = now;
      timing_.Reset();
      post(MediaCommandKind::Seek, media.position_s);
      island_->Redraw();
      return true;
    }
    case media_hit::kArt:
      island_->Collapse();
      if (ports_.activate_app) ports_.activate_app(media.source_app_id);
      return true;
    case media_hit::kLyricLine:
      return true;
    case media_hit::kLyricsButton:
      lyrics_panel_ = !lyrics_panel_;
      island_->UpdateState();
      return true;
    case media_hit::kCredit: {
      const lyrics::Sheet* sheet = Sheet();
      if (!sheet || !sheet->credit || !ports_.open) return true;
      const std::wstring& link = item.index == 0 ? sheet->credit->source_link : sheet->credit->contributor_link;
      if (!link.empty()) ports_.open(link);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace notch
