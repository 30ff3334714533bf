#pragma once
// The media activity: the compact view in the pill, the media card of the
// expanded island, their level bars and lyric lines, and what a click on the
// card does.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "activities/hit_regions.h"
#include "activities/level_bars.h"
#include "activities/lyric_timing.h"
#include "activities/media_command.h"
#include "render/canvas.h"
#include "render/symbols.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

namespace media_hit {
inline constexpr int kPrevious = 4;
inline constexpr int kPlayPause = 5;
inline constexpr int kNext = 6;
inline constexpr int kShuffle = 7;
inline constexpr int kOutput = 8;
inline constexpr int kProgress = 9;
inline constexpr int kArt = hit::kArt;
inline constexpr int kLyricLine = hit::kLyricLine;
inline constexpr int kLyricsButton = 12;
inline constexpr int kCredit = 13;
}  // namespace media_hit

inline constexpr wchar_t kSoundSettings[] = L"ms-settings:sound";

// What the media view does outside itself.
struct MediaViewPorts {
  std::function<void(const MediaCommand&)> post_command;
  std::function<void(const std::wstring& target)> open;                // a link or settings page
  std::function<void(const std::wstring& app_id)> activate_app;        // the source application
  std::function<std::optional<float>()> read_peak;                     // the output's peak meter
  std::function<float(std::wstring_view, const TextFormat&)> measure;  // text width outside a frame
};

class MediaView {
 public:
  MediaView(MediaViewPorts ports, Symbols& symbols) : ports_(std::move(ports)), symbols_(symbols) {}

  void Attach(IslandCommands& island) { island_ = &island; }

  bool TrackExists() const;
  bool LyricsHaveTimedLines() const;
  int UntimedLyricLines() const;
  // The widest lyric line (timed lines, else plain ones), stopping at 400.
  float MeasureLyricWidth(const TextFormat& lyric_format) const;
  bool LyricsPanelOpen() const { return lyrics_panel_; }
  void CloseLyricsPanel() { lyrics_panel_ = false; }
  void ResetTiming() { timing_.Reset(); }

  // The bars run while the pill or the media page shows.
  bool Animating() const;
  // One bar step; returns whether a repaint is due: the bars moved, or the
  // track's time moved what the view shows (so a silent passage, or sound
  // the meter does not hear, still moves the time and the lyrics).
  bool Tick();
  void AdvanceLevels();

  void DrawPill(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats);
  void DrawCard(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, Colour accent,
                HitRegions& hits);
  void MarkBarsDrawn() { bars_.MarkDrawn(); }

  // Carries out a click on one of the media card's elements; false for an
  // element that is not the media card's.
  bool Activate(HitItem item, PointF point, const HitRegions& hits);

 private:
  const lyrics::Sheet* Sheet() const;
  bool Visible() const;
  bool TimeMovedTheView(const MediaSnapshot& media, double now_ms) const;
  Colour BarColour(const MediaSnapshot& media) const;
  void DrawArt(Canvas& canvas, const MediaSnapshot& media, const RectF& box, float radius, float opacity);
  void DrawPlaceholderArt(Canvas& canvas, const RectF& box, float radius, const IslandTextFormats& formats,
                          float opacity);
  void DrawCardLine(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, const RectF& box,
                    double position_ms, HitRegions& hits, bool& lyric_shown);
  void DrawControls(Canvas& canvas, const IslandContentFrame& frame, const IslandTextFormats& formats, Colour accent,
                    HitRegions& hits);

  MediaViewPorts ports_;
  Symbols& symbols_;
  IslandCommands* island_ = nullptr;
  LyricTiming timing_;
  LevelBars bars_;
  long long card_second_ = -1;  // the elapsed second the card last drew
  bool lyrics_panel_ = false;

  // The art as a bitmap of the canvas that last drew it.
  std::unique_ptr<CanvasBitmap> art_;
  std::uint32_t art_version_ = 0;
  const void* art_domain_ = nullptr;
  // The rounded clip around the art.
  std::unique_ptr<CanvasPath> art_clip_;
  RectF art_clip_rect_;
  const void* art_clip_domain_ = nullptr;
};

}  // namespace notch
