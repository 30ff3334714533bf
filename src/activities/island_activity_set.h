#pragma once
// The island's activities: each state's content drawn by the activity that
// owns it (the media view, the HUDs, the notice card), the expanded card's
// elements and what a click on them does. Activities not built yet answer as
// if they had nothing to show.
#include <functional>
#include <string>

#include "activities/hit_regions.h"
#include "activities/media_view.h"
#include "host/settings.h"
#include "render/fonts.h"
#include "render/symbols.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

struct ActivityPorts {
  MediaViewPorts media;
  std::function<void()> start_media_thread;
  std::function<void(bool on)> set_lyrics_enabled;
  std::wstring symbols_folder;  // SVG files that replace symbols; empty for none
};

class IslandActivitySet final : public IslandActivities {
 public:
  // `fonts` and `settings` must outlive the set; the formats follow the fonts
  // at each theme change.
  IslandActivitySet(const FontSet& fonts, const Settings& settings, ActivityPorts ports);

  void Attach(IslandCommands& island) override;
  void DrawContent(Canvas& canvas, const IslandContentFrame& frame) override;
  void ApplyThemeColours(unsigned theme) override;
  const IslandTextFormats& text_formats() const { return formats_; }

  HitItem HitTest(PointF point) override { return hits_.Find(point); }
  void Activate(HitItem item, PointF point) override { media_.Activate(item, point, hits_); }
  bool MediaViewAnimating() const override { return media_.Animating(); }
  bool MediaViewTick() override { return media_.Tick(); }
  void AdvanceLevelAnimation() override { media_.AdvanceLevels(); }
  int UntimedLyricLines() const override { return media_.UntimedLyricLines(); }
  void SetLyricsEnabled(bool on) override;
  void StartMediaThread() override;
  void StartWatchers() override {}
  float MeasureLyricWidth() override { return media_.MeasureLyricWidth(formats_[TextRole::Lyric]); }
  bool CaptureClipboard() override { return false; }
  bool OwnClipboardCopy() override { return false; }
  void EndCopyFeedback() override {}
  void StartShelfDrag(int) override {}
  void RemoveShelfItem(int) override {}
  void DecorateDownloadCard(NoticeCard&, const std::wstring&) override {}
  void SampleStatistics() override {}
  void CloseLyricsPanel() override { media_.CloseLyricsPanel(); }
  bool LyricsPanelOpen() const override { return media_.LyricsPanelOpen(); }
  void ResetLyricsView(bool) override { media_.ResetTiming(); }
  bool LyricsHaveTimedLines() const override { return media_.LyricsHaveTimedLines(); }
  bool TrackExists() const override { return media_.TrackExists(); }

 private:
  void DrawState(Canvas& canvas, const IslandContentFrame& frame);

  const FontSet& fonts_;
  const Settings& settings_;
  ActivityPorts ports_;
  IslandTextFormats formats_;
  Colour accent_;
  Symbols symbols_;
  MediaView media_;
  HitRegions hits_;
};

}  // namespace notch
