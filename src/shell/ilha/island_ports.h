#pragma once
// What the island's core asks of the world around it: the window system
// (IslandPlatform), the hosted Quick Controls panel (IslandPanel) and the
// activities that fill the shape (IslandActivities). The Windows shell
// implements them; tests and notch-inspect use the virtual platform.
#include <functional>
#include <optional>
#include <string>

#include "activities/countdown.h"
#include "activities/media_snapshot.h"
#include "activities/notice_card.h"
#include "common/clock.h"
#include "render/canvas.h"
#include "render/geometry.h"
#include "shell/ilha/full_screen_test.h"
#include "shell/ilha/island_record.h"
#include "shell/ilha/island_types.h"

namespace notch {

struct MonitorInfo {
  PixelRect rect;
  unsigned dpi = 96;  // effective DPI of the monitor
};

// The raw answer of the system power status query.
struct PowerReading {
  unsigned ac_line_status = 255;   // 0 offline, 1 online, 255 unknown
  unsigned battery_flag = 128;     // bit 7: no system battery
  unsigned battery_percent = 255;  // 0..100, 255 unknown
};

class IslandPlatform {
 public:
  virtual ~IslandPlatform() = default;

  virtual const Clock& clock() const = 0;

  // Island window timers repeat every `ms` until killed; setting a running
  // timer again restarts its period.
  virtual void SetTimer(unsigned id, unsigned ms) = 0;
  virtual void KillTimer(unsigned id) = 0;

  // The window.
  virtual void ShowWindow() = 0;  // without activating it
  virtual void HideWindow() = 0;
  virtual void AssertTopmost() = 0;
  virtual void PlaceWindow(const PixelRect& rect, bool shown) = 0;
  virtual void SetRegion(const PixelRect& rect) = 0;  // an empty rect hides everything
  virtual MonitorInfo PrimaryMonitor() const = 0;
  virtual unsigned WindowDpi() const = 0;  // 0 when unknown

  // Pointer and keyboard.
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  virtual bool HasMouseCapture() const = 0;
  virtual void TrackMouseLeave() = 0;
  virtual ScreenPoint CursorPosition() const = 0;
  virtual bool CursorOverIsland() const = 0;
  virtual ScreenPoint WindowOrigin() const = 0;  // screen position of the client area
  virtual bool CapsLockOn() const = 0;

  // System.
  virtual std::optional<PowerReading> ReadPowerStatus() const = 0;
  virtual void PlayTimerDoneSound() = 0;
  virtual void PostMediaRecheck() = 0;  // a forced media update message to the island
  // Windows-level full-screen answers: a running Direct3D full-screen
  // application or presentation mode ...
  virtual bool SystemReportsFullScreen() const = 0;
  // ... and the top-level windows from the top of the Z order, until
  // `visit` returns false.
  virtual void WalkTopLevelWindows(const std::function<bool(const TopLevelWindowFacts&)>& visit) const = 0;

  // Frames.
  virtual void SetFrameClock(bool on) = 0;
  // A canvas for one frame of the given pixel size, or null to skip it.
  virtual Canvas* BeginFrame(int width_px, int height_px, float scale) = 0;
  virtual void EndFrame() = 0;
  virtual void ReleaseSurface() = 0;
  virtual void TrimGraphicsMemory() = 0;
};

// Where the Quick Controls panel sits inside the expanded island on page 5.
struct PanelPlacement {
  bool visible = false;
  float left = 0.0f, top = 0.0f, width = 0.0f, height = 0.0f;  // window DIPs
  Colour background;
  unsigned theme = 0;
  float opacity = 1.0f;
};

class IslandPanel {
 public:
  virtual ~IslandPanel() = default;
  virtual bool Busy() const = 0;
  virtual bool Foreground() const = 0;
  virtual void Close() = 0;
  virtual void Place(const PanelPlacement& placement) = 0;
  virtual void StartSearch() = 0;
  virtual void OpenButtonLayout() = 0;
  // A left click on the card's header row (hit kinds 1-3).
  virtual void HeaderClicked(HitItem item) = 0;
  virtual SizeF ContentSize() const = 0;
};

// What an activity needs to draw its content in one frame.
struct IslandContentFrame {
  IslandState state;  // whose content: the current or the previous state
  const IslandRecord& record;
  const MediaSnapshot& media;  // the island's copy of what plays
  const Countdown& countdown;
  RectF shape;         // the shape now, in window DIPs
  float upper_radius;  // the shape's upper radius now
  float opacity;       // the cross-fade's opacity for this content
  float notch_height;  // N
  double now_ms;
};

// What the activities may ask of the island they draw in.
class IslandCommands {
 public:
  virtual ~IslandCommands() = default;
  virtual const IslandRecord& record() const = 0;
  virtual const MediaSnapshot& media() const = 0;
  // The island's copy of the snapshot, for changes shown before the session
  // confirms them (a paused position, a flipped shuffle).
  virtual MediaSnapshot& media_for_update() = 0;
  virtual double now_ms() const = 0;
  virtual bool reduce_motion() const = 0;
  virtual void Collapse() = 0;
  virtual void UpdateState() = 0;
  virtual void Redraw() = 0;
  // Starts (or restarts) one of the island's timers (island_timer ids).
  virtual void StartTimer(unsigned id, unsigned ms) = 0;
  // The countdown of the timer page.
  virtual void StartCountdown(double minutes) = 0;
  virtual void ToggleCountdownPause() = 0;
  virtual void StopCountdown() = 0;
  virtual void AddCountdownMinute() = 0;
  // Files dragged over the island: the shelf page opens while they hover,
  // and the island closes a while after they leave or land.
  virtual void BeginFileDrag() = 0;
  virtual void EndFileDrag(bool dropped) = 0;
};

// What the island needs from the activities that draw inside it.
class IslandActivities {
 public:
  virtual ~IslandActivities() = default;
  // Called once by the island they serve.
  virtual void Attach(IslandCommands& island) = 0;
  // The expanded card's interactive element at a point (DIPs), or kind 0.
  virtual HitItem HitTest(PointF point) = 0;
  // The item was clicked at `point` (DIPs).
  virtual void Activate(HitItem item, PointF point) = 0;
  // Content of one state, drawn inside the shape (during a state change the
  // previous state's content fades out while the new one fades in).
  virtual void DrawContent(Canvas& canvas, const IslandContentFrame& frame) = 0;

  // The media view's level bars animate on their own timer.
  virtual bool MediaViewAnimating() const = 0;
  // One tick of the level bars; returns whether they need a repaint.
  virtual bool MediaViewTick() = 0;
  virtual void AdvanceLevelAnimation() = 0;
  virtual int UntimedLyricLines() const = 0;

  // Side effects of applying settings.
  virtual void SetLyricsEnabled(bool on) = 0;
  virtual void StartMediaThread() = 0;  // starts only once
  virtual void StartWatchers() = 0;     // privacy, downloads and clipboard; called once
  virtual void ApplyThemeColours(unsigned theme) = 0;
  virtual float MeasureLyricWidth() = 0;  // widest lyric line (DIPs, at most 400)

  // Events the activities handle.
  virtual bool CaptureClipboard() = 0;  // returns whether the history changed
  virtual bool OwnClipboardCopy() = 0;  // consumes the flag set by the island's own copy
  virtual void EndCopyFeedback() = 0;
  virtual void StartShelfDrag(int index) = 0;
  virtual void RemoveShelfItem(int index) = 0;
  virtual void DecorateDownloadCard(NoticeCard& card, const std::wstring& path) = 0;
  virtual void SampleStatistics() = 0;
  virtual void CloseLyricsPanel() = 0;
  virtual bool LyricsPanelOpen() const = 0;
  // After a media update: new lyrics reset the whole view, a jump in the
  // position only the lyric timing.
  virtual void ResetLyricsView(bool new_lyrics) = 0;
  virtual bool LyricsHaveTimedLines() const = 0;
  virtual bool TrackExists() const = 0;
  // The button layout changed: the header row reads it again.
  virtual void RefreshHeader() {}
};

}  // namespace notch
