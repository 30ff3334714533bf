#pragma once
// The island's world in virtual time: a platform whose timers, frame clock
// and posted messages run on a ManualClock, a panel and activities that do
// nothing but answer and count. notch-inspect replays scripts on it and the
// tests drive the island through it.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_ports.h"

namespace notch {

// Accepts every drawing call and only counts what matters to the island.
class CountingCanvas final : public Canvas {
 public:
  using Canvas::CreatePath;
  const void* PathDomain() const override { return this; }
  std::unique_ptr<CanvasPath> CreatePath(std::span<const PathData> figures) override;
  void FillPath(const CanvasPath&, const Brush&) override {}
  void StrokePath(const CanvasPath&, const Brush&, float, LineStyle) override {}
  void FillRect(const RectF&, const Brush&) override {}
  void FillRoundedRect(const RectF&, float, const Brush&) override {}
  void StrokeRoundedRect(const RectF&, float, const Brush&, float) override {}
  void DrawText(std::wstring_view, const TextFormat&, const RectF&, const Brush&) override {}
  float MeasureTextWidth(std::wstring_view, const TextFormat&) override { return 0.0f; }
  const void* BitmapDomain() const override { return this; }
  std::unique_ptr<CanvasBitmap> CreateBitmap(int, int, std::span<const std::uint8_t>) override { return nullptr; }
  void DrawBitmap(const CanvasBitmap&, const RectF&, float) override {}
  void PushLayer(const CanvasPath*, float) override {}
  void PushClip(const RectF&) override {}
  void PopClip() override {}
  void PopLayer() override {}
  void PushTransform(const Transform&) override {}
  void PopTransform() override {}

  int paths_created = 0;
};

class VirtualIslandPlatform final : public IslandPlatform {
 public:
  static constexpr double kFrameIntervalMs = 1000.0 / 60.0;

  struct TimerEvent {
    double time_ms;
    unsigned id;
    unsigned period_ms;  // 0 for a kill
  };

  // The scripted world.
  ManualClock clock_value;
  MonitorInfo monitor{{0, 0, 1920, 1080}, 96};
  unsigned window_dpi = 96;
  ScreenPoint cursor;
  bool cursor_over_island = false;
  bool caps_lock = false;
  std::optional<PowerReading> power;
  bool system_full_screen = false;
  std::vector<TopLevelWindowFacts> windows;  // top of the Z order first
  Canvas* canvas = &counting_canvas;         // null: frames are skipped
  CountingCanvas counting_canvas;

  // What the island did.
  std::map<unsigned, unsigned> timers;  // running timers: id -> period
  bool frame_clock_on = false;
  bool window_visible = false;
  bool has_capture = false;
  PixelRect region;
  PixelRect placement;
  int regions_set = 0;
  int frames_drawn = 0;
  int surfaces_released = 0;
  int trims = 0;
  int sounds_played = 0;
  int leave_tracking_requests = 0;
  int pending_media_rechecks = 0;
  int last_surface_height = 0;
  std::function<void(const TimerEvent&)> on_timer_event;
  // Called after each timer, frame or posted message that AdvanceTo delivers.
  std::function<void()> after_event;

  // Runs virtual time forward to `time_ms`, firing timers, frame ticks and
  // posted media rechecks in time order.
  void AdvanceTo(double time_ms, Island& island);
  void Advance(double ms, Island& island) { AdvanceTo(clock_value.NowMs() + ms, island); }
  bool TimerRunning(unsigned id) const { return timers.count(id) != 0; }

  const Clock& clock() const override { return clock_value; }
  void SetTimer(unsigned id, unsigned ms) override;
  void KillTimer(unsigned id) override;
  void ShowWindow() override { window_visible = true; }
  void HideWindow() override { window_visible = false; }
  void AssertTopmost() override {}
  void PlaceWindow(const PixelRect& rect, bool) override { placement = rect; }
  void SetRegion(const PixelRect& rect) override {
    region = rect;
    ++regions_set;
  }
  MonitorInfo PrimaryMonitor() const override { return monitor; }
  unsigned WindowDpi() const override { return window_dpi; }
  void CaptureMouse() override { has_capture = true; }
  void ReleaseMouse() override { has_capture = false; }
  bool HasMouseCapture() const override { return has_capture; }
  void TrackMouseLeave() override { ++leave_tracking_requests; }
  ScreenPoint CursorPosition() const override { return cursor; }
  bool CursorOverIsland() const override { return cursor_over_island; }
  ScreenPoint WindowOrigin() const override { return {placement.left, placement.top}; }
  bool CapsLockOn() const override { return caps_lock; }
  std::optional<PowerReading> ReadPowerStatus() const override { return power; }
  void PlayTimerDoneSound() override { ++sounds_played; }
  void PostMediaRecheck() override { ++pending_media_rechecks; }
  bool SystemReportsFullScreen() const override { return system_full_screen; }
  void WalkTopLevelWindows(const std::function<bool(const TopLevelWindowFacts&)>& visit) const override;
  void SetFrameClock(bool on) override;
  Canvas* BeginFrame(int width_px, int height_px, float scale) override;
  void EndFrame() override {}
  void ReleaseSurface() override { ++surfaces_released; }
  void TrimGraphicsMemory() override { ++trims; }

 private:
  struct Due {
    double at_ms;
    unsigned period_ms;
  };
  std::map<unsigned, Due> due_;
  double next_frame_ms_ = 0.0;
};

class VirtualPanel final : public IslandPanel {
 public:
  bool busy = false;
  bool foreground = false;
  SizeF content_size{300.0f, 200.0f};
  int closes = 0;
  int searches_started = 0;
  int layout_pages_opened = 0;
  std::vector<HitItem> header_clicks;
  PanelPlacement last_placement;

  bool Busy() const override { return busy; }
  bool Foreground() const override { return foreground; }
  void Close() override { ++closes; }
  void Place(const PanelPlacement& placement) override { last_placement = placement; }
  void StartSearch() override { ++searches_started; }
  void OpenButtonLayout() override { ++layout_pages_opened; }
  void HeaderClicked(HitItem item) override { header_clicks.push_back(item); }
  SizeF ContentSize() const override { return content_size; }
};

// Activities with scripted hit areas and counters, and no content.
class VirtualActivities final : public IslandActivities {
 public:
  struct Area {
    RectF rect;
    HitItem item;
  };
  std::vector<Area> areas;
  IslandCommands* attached = nullptr;
  std::vector<HitItem> activated;
  std::vector<int> shelf_drags, shelf_removals;
  bool lyrics_enabled = false;
  int media_thread_starts = 0;
  int watcher_starts = 0;
  int statistics_samples = 0;
  int untimed_lyric_lines = 0;
  bool lyrics_timed = false;
  bool track_exists = false;
  float lyric_width = 0.0f;
  bool media_view_animating = false;
  bool own_copy = false;
  int clipboard_captures = 0;
  int lyric_view_resets = 0;

  void Attach(IslandCommands& island) override { attached = &island; }
  HitItem HitTest(PointF point) override;
  void Activate(HitItem item, PointF) override { activated.push_back(item); }
  void DrawContent(Canvas&, const IslandContentFrame&) override {}
  bool MediaViewAnimating() const override { return media_view_animating; }
  bool MediaViewTick() override { return true; }
  void AdvanceLevelAnimation() override {}
  int UntimedLyricLines() const override { return untimed_lyric_lines; }
  void SetLyricsEnabled(bool on) override { lyrics_enabled = on; }
  void StartMediaThread() override { ++media_thread_starts; }
  void StartWatchers() override { ++watcher_starts; }
  void ApplyThemeColours(unsigned) override {}
  float MeasureLyricWidth() override { return lyric_width; }
  bool CaptureClipboard() override {
    ++clipboard_captures;
    return true;
  }
  bool OwnClipboardCopy() override { return std::exchange(own_copy, false); }
  void EndCopyFeedback() override {}
  void StartShelfDrag(int index) override { shelf_drags.push_back(index); }
  void RemoveShelfItem(int index) override { shelf_removals.push_back(index); }
  void DecorateDownloadCard(NoticeCard&, const std::wstring&) override {}
  void SampleStatistics() override { ++statistics_samples; }
  void CloseLyricsPanel() override {}
  bool LyricsPanelOpen() const override { return false; }
  void ResetLyricsView(bool) override { ++lyric_view_resets; }
  bool LyricsHaveTimedLines() const override { return lyrics_timed; }
  bool TrackExists() const override { return track_exists; }
};

}  // namespace notch
