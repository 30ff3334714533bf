#pragma once
// The island's geometry: the window's fixed canvas, the target shape of every
// state in every style and theme, the shape rectangle and the window region.
#include "host/settings.h"
#include "render/geometry.h"
#include "shell/ilha/island_types.h"

namespace notch {

// The window is a fixed transparent canvas of this size (DIPs).
inline constexpr float kCanvasWidth = 500.0f;
inline constexpr float kCanvasHeight = 430.0f;
// Height of the drawing surface while nothing tall is shown.
inline constexpr float kCompactSurfaceHeight = 96.0f;

struct ShapeGeometry {
  float width = 0.0f;
  float height = 0.0f;
  float upper_radius = 0.0f;
  float lower_radius = 0.0f;
  friend bool operator==(const ShapeGeometry&, const ShapeGeometry&) = default;
};

// Everything the target geometry of a state depends on besides the state.
struct GeometryInputs {
  IslandStyle style = IslandStyle::Notch;
  Theme theme = Theme::Sequoia;
  float notch_height = 24.0f;  // N
  bool privacy = false;        // microphone or camera in use
  // Media pill: timed lyrics widen it to fit the widest lyric line.
  bool lyrics_timed = false;
  float lyric_width = 0.0f;
  bool countdown_running = false;
  // Expanded card.
  int page = page::kMedia;
  bool track_exists = false;
  bool lyrics_panel_open = false;
  SizeF panel_size;  // Quick Controls content size, page 5
};

ShapeGeometry TargetGeometry(IslandState state, const GeometryInputs& inputs);

// N: the notch band's height for the monitor's DPI and the window's scale.
float NotchHeight(unsigned monitor_dpi, float scale, Theme theme);

// K: how far the pill floats below the screen edge (0 for the notch).
float ShapeTop(IslandStyle style, float notch_height);

// The shape in window DIPs for the springs' current width and height.
RectF ShapeRect(float width, float height, IslandStyle style, float notch_height);

// The window region in pixels around the current shape; empty while the
// island has faded out.
PixelRect RegionRect(float width, float height, IslandStyle style, Theme theme, float notch_height, float scale,
                     float opacity, float opacity_target);

// The window's place at the top centre of `monitor`.
PixelRect WindowPlacement(const PixelRect& monitor, float scale);

// The strip at the top edge that reveals an auto-hidden island.
PixelRect RevealStrip(const PixelRect& monitor, float reveal_width, float scale);

// The drawing surface: the canvas width, and the compact or the full height.
struct SurfaceSize {
  int width = 0, height = 0;
};
SurfaceSize DrawingSurfaceSize(float scale, bool tall);

}  // namespace notch
