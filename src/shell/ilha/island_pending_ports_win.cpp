// The Quick Controls panel and the island's activities are not part of the
// program yet: until they land, the island runs with a panel that is never
// open and activities that draw nothing and offer no elements. Each lands by
// replacing its part of this file.
#include "shell/ilha/island_pending_ports_win.h"

namespace notch {
namespace {

class PendingPanel final : public IslandPanel {
 public:
  bool Busy() const override { return false; }
  bool Foreground() const override { return false; }
  void Close() override {}
  void Place(const PanelPlacement&) override {}
  void StartSearch() override {}
  void OpenButtonLayout() override {}
  SizeF ContentSize() const override { return {300.0f, 200.0f}; }
};

class PendingActivities final : public IslandActivities {
 public:
  HitItem HitTest(PointF) override { return {}; }
  void Activate(HitItem) override {}
  void DrawContent(Canvas&, const IslandContentFrame&) override {}
  bool MediaViewAnimating() const override { return false; }
  void MediaViewTick() override {}
  void AdvanceLevelAnimation() override {}
  int UntimedLyricLines() const override { return 0; }
  void SetLyricsEnabled(bool) override {}
  void StartMediaThread() override {}
  void StartWatchers() override {}
  void ApplyThemeColours(unsigned) override {}
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
};

}  // namespace

IslandPanel& WindowsIslandPanel() {
  static PendingPanel panel;
  return panel;
}

IslandActivities& WindowsIslandActivities() {
  static PendingActivities activities;
  return activities;
}

void LoadShelf() {}
void RegisterShelfDropTarget(HWND) {}
void CreateQuickControlsPanel(HWND) {}

}  // namespace notch
