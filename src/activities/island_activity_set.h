#pragma once
// The island's activities: each state's content drawn by the activity that
// owns it (the media view, the HUDs, the notice card), the expanded card's
// elements and what a click on them does. Activities not built yet answer as
// if they had nothing to show.
#include <functional>
#include <string>
#include <vector>

#include "activities/clipboard_activity.h"
#include "activities/hit_regions.h"
#include "activities/island_header.h"
#include "activities/media_view.h"
#include "activities/shelf_activity.h"
#include "activities/statistics_activity.h"
#include "activities/timer_view.h"
#include "host/settings.h"
#include "render/fonts.h"
#include "render/symbols.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

struct ActivityPorts {
  MediaViewPorts media;
  ShelfPorts shelf;
  std::function<void()> start_media_thread;
  std::function<void(bool on)> set_lyrics_enabled;
  std::wstring symbols_folder;             // SVG files that replace symbols; empty for none
  ClipboardPort* clipboard = nullptr;      // none: no clipboard history
  StatisticsSource* statistics = nullptr;  // none: the statistics read nothing

  // Starts the privacy watcher, then the downloads watcher.
  std::function<void()> start_watchers;
  // Shows a file selected in its folder.
  std::function<void(const std::wstring& path)> reveal;
  // The header row's buttons (catalogue numbers); none: the card has no header row.
  std::function<std::vector<int>()> header_buttons;
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
  const ClipboardActivity& clipboard() const { return clipboard_; }
  StatisticsActivity& statistics() { return statistics_; }

  HitItem HitTest(PointF point) override { return hits_.Find(point); }
  void Activate(HitItem item, PointF point) override;
  bool MediaViewAnimating() const override { return media_.Animating(); }
  bool MediaViewTick() override { return media_.Tick(); }
  void AdvanceLevelAnimation() override { media_.AdvanceLevels(); }
  int UntimedLyricLines() const override { return media_.UntimedLyricLines(); }
  void SetLyricsEnabled(bool on) override;
  void StartMediaThread() override;
  void StartWatchers() override;
  float MeasureLyricWidth() override { return media_.MeasureLyricWidth(formats_[TextRole::Lyric]); }
  bool CaptureClipboard() override { return clipboard_.Capture(); }
  bool OwnClipboardCopy() override { return clipboard_.TakeOwnCopy(); }
  void EndCopyFeedback() override { clipboard_.EndCopyFeedback(); }
  void StartShelfDrag(int index) override { shelf_.DragOut(index); }
  void RemoveShelfItem(int index) override { shelf_.Remove(index); }
  void DecorateDownloadCard(NoticeCard& card, const std::wstring& path) override;
  void SampleStatistics() override { statistics_.Sample(); }
  void CloseLyricsPanel() override { media_.CloseLyricsPanel(); }
  bool LyricsPanelOpen() const override { return media_.LyricsPanelOpen(); }
  void ResetLyricsView(bool) override { media_.ResetTiming(); }
  bool LyricsHaveTimedLines() const override { return media_.LyricsHaveTimedLines(); }
  bool TrackExists() const override { return media_.TrackExists(); }
  void RefreshHeader() override;
  const std::vector<int>& header_buttons() const { return header_; }

  ShelfActivity& shelf() { return shelf_; }

 private:
  void DrawState(Canvas& canvas, const IslandContentFrame& frame);

  const FontSet& fonts_;
  const Settings& settings_;
  ActivityPorts ports_;
  IslandTextFormats formats_;
  Colour accent_;
  Symbols symbols_;
  MediaView media_;
  ClipboardActivity clipboard_;
  StatisticsActivity statistics_;
  TimerView timer_;
  ShelfActivity shelf_;
  HitRegions hits_;
  std::vector<int> header_;
  bool lyrics_on_ = true;
  PathIcons header_icons_;
};

}  // namespace notch
