#pragma once
// The island's activities: draws each state's content with the activity that
// owns it. So far that is the notice card of the Notification state; the
// other activities answer as if they had nothing to show.
#include "render/fonts.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

class IslandActivitySet final : public IslandActivities {
 public:
  // `fonts` must outlive the set; the formats follow them at each theme change.
  explicit IslandActivitySet(const FontSet& fonts) : fonts_(fonts), formats_(fonts, Theme::Sequoia) {}

  void DrawContent(Canvas& canvas, const IslandContentFrame& frame) override;
  void ApplyThemeColours(unsigned theme) override;
  const IslandTextFormats& text_formats() const { return formats_; }

  HitItem HitTest(PointF) override { return {}; }
  void Activate(HitItem) override {}
  bool MediaViewAnimating() const override { return false; }
  void MediaViewTick() override {}
  void AdvanceLevelAnimation() override {}
  int UntimedLyricLines() const override { return 0; }
  void SetLyricsEnabled(bool) override {}
  void StartMediaThread() override {}
  void StartWatchers() override {}
  float MeasureLyricWidth() override { return 0.0f; }
  bool CaptureClipboard() override { return false; }
  bool OwnClipboardCopy() override { return false; }
  void EndCopyFeedback() override {}
  void StartShelfDrag(int) override {}
  void RemoveShelfItem(int) override {}
  void DecorateDownloadCard(NoticeCard&, const std::wstring&) override {}
  void SampleStatistics() override {}
  void CloseLyricsPanel() override {}
  bool LyricsPanelOpen() const override { return false; }
  void ResetLyricsView(bool) override {}
  bool LyricsHaveTimedLines() const override { return false; }
  bool TrackExists() const override { return false; }

 private:
  const FontSet& fonts_;
  IslandTextFormats formats_;
};

}  // namespace notch
