#pragma once
// Whether an application fills the primary monitor in front of the island,
// decided window by window from the top of the Z order down.
#include <string_view>

#include "render/geometry.h"

namespace notch {

struct TopLevelWindowFacts {
  bool visible = true;
  bool minimised = false;
  bool own_process = false;
  bool cloaked = false;
  bool input_transparent = false;  // WS_EX_TRANSPARENT
  bool has_rect = true;
  PixelRect rect;
  std::wstring_view class_name;
  bool maximised = false;
  bool has_caption = false;  // both WS_BORDER and WS_DLGFRAME
};

class FullScreenWalk {
 public:
  enum class Verdict { Continue, FullScreen, NotFullScreen };

  explicit FullScreenWalk(const PixelRect& monitor) : monitor_(monitor) {}

  // Looks at the next window down the Z order; anything but Continue ends
  // the walk. A walk that runs out of windows means not full screen.
  Verdict Consider(const TopLevelWindowFacts& window) const;

 private:
  PixelRect monitor_;
};

}  // namespace notch
