#pragma once
// The clipboard activity: captures what the system clipboard receives into
// the history, copies an entry back on a click, and draws the clipboard page
// of the expanded island.
#include <string>

#include "activities/clipboard_history.h"
#include "activities/clipboard_port.h"
#include "activities/hit_regions.h"
#include "render/canvas.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

namespace clipboard_hit {
inline constexpr int kEntry = 18;  // index: the entry's
inline constexpr int kClear = 19;
}  // namespace clipboard_hit

inline constexpr int kClipboardOpenAttempts = 5;
inline constexpr unsigned kClipboardRetryMs = 20;
inline constexpr double kCopiedFeedbackMs = 1200.0;
inline constexpr unsigned kCopyFeedbackTimerMs = 1250;

class ClipboardActivity {
 public:
  // Without a port there is no clipboard: nothing is captured or copied.
  explicit ClipboardActivity(ClipboardPort* port) : port_(port) {}

  void Attach(IslandCommands& island) { island_ = &island; }
  void Listen();

  // One clipboard update; returns whether the history changed.
  bool Capture();
  // Whether the update being handled is the island's own copy; consumes it.
  bool TakeOwnCopy();
  void EndCopyFeedback() { copied_index_ = -1; }
  // Carries out a click on the page's elements; false for other elements.
  bool Activate(HitItem item);

  // The page in the content box `box` (left L, right R, top y).
  void Draw(Canvas& canvas, const RectF& box, const IslandRecord& record, double now_ms,
            const IslandTextFormats& formats, HitRegions& hits) const;

  const ClipboardHistory& history() const { return history_; }
  // The row copied back less than the feedback time before `now_ms`, or -1.
  int CopiedRow(double now_ms) const;

 private:
  bool CopyBack(int index);
  void FollowCopiedEntry();

  ClipboardPort* port_;
  IslandCommands* island_ = nullptr;
  ClipboardHistory history_;
  bool own_copy_ = false;
  int copied_index_ = -1;
  std::wstring copied_text_;
  double copied_at_ms_ = 0.0;
};

}  // namespace notch
