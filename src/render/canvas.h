#pragma once
// The drawing surface painting code draws on. Direct2D implements it on
// Windows; tests record the calls.
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "render/colour.h"
#include "render/geometry.h"
#include "render/path_data.h"
#include "render/text_format.h"
#include "render/transform.h"

namespace notch {

// A path turned into the canvas's own geometry; keep it to draw it again.
class CanvasPath {
 public:
  virtual ~CanvasPath() = default;
};

// Pixels uploaded to the canvas's device.
class CanvasBitmap {
 public:
  virtual ~CanvasBitmap() = default;
};

struct GradientStop {
  float position = 0.0f;
  Colour colour;
};

// A solid colour, or a linear gradient from `start` to `end`.
struct Brush {
  Colour colour;
  std::span<const GradientStop> stops;  // empty: solid
  PointF start, end;

  static Brush Solid(Colour c) { return Brush{c, {}, {}, {}}; }
  static Brush Linear(PointF from, PointF to, std::span<const GradientStop> gradient) {
    return Brush{{}, gradient, from, to};
  }
};

// Sharp: flat caps and mitred joins. Round: round caps and joins, so that a
// very short segment draws a dot.
enum class LineStyle { Sharp, Round };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Paths made by one canvas can be drawn by every canvas of the same domain
  // (on Direct2D, the factory), so they may be cached across frames.
  virtual const void* PathDomain() const = 0;
  // Figures are filled with the non-zero winding rule.
  virtual std::unique_ptr<CanvasPath> CreatePath(std::span<const PathData> figures) = 0;
  std::unique_ptr<CanvasPath> CreatePath(const PathData& figure) { return CreatePath(std::span(&figure, 1)); }
  virtual void FillPath(const CanvasPath& path, const Brush& brush) = 0;
  virtual void StrokePath(const CanvasPath& path, const Brush& brush, float width, LineStyle style) = 0;

  virtual void FillRect(const RectF& rect, const Brush& brush) = 0;
  virtual void FillRoundedRect(const RectF& rect, float radius, const Brush& brush) = 0;
  virtual void StrokeRoundedRect(const RectF& rect, float radius, const Brush& brush, float width) = 0;

  // One line of text in `box`, clipped to it.
  virtual void DrawText(std::wstring_view text, const TextFormat& format, const RectF& box, const Brush& brush) = 0;
  // The width of `text` laid out on one line; 0 when it cannot be measured.
  virtual float MeasureTextWidth(std::wstring_view text, const TextFormat& format) = 0;

  // Bitmaps made by one canvas can be drawn by the canvases of its domain
  // (on Direct2D, its render target), so they may be kept between frames.
  virtual const void* BitmapDomain() const = 0;
  // Premultiplied BGRA pixels, rows of width * 4 bytes; null when the size
  // is 0 or the buffer is too short.
  virtual std::unique_ptr<CanvasBitmap> CreateBitmap(int width, int height, std::span<const std::uint8_t> pixels) = 0;
  virtual void DrawBitmap(const CanvasBitmap& bitmap, const RectF& destination, float opacity) = 0;

  // Everything until PopLayer is drawn with `opacity`, and clipped to `mask`
  // unless it is null.
  virtual void PushLayer(const CanvasPath* mask, float opacity) = 0;
  virtual void PopLayer() = 0;
  // Everything until PopClip is clipped to `rect` (axis-aligned, in the
  // current transform's space): cheaper than a masked layer.
  virtual void PushClip(const RectF& rect) = 0;
  virtual void PopClip() = 0;
  // Applies `transform` before the current transform until PopTransform.
  virtual void PushTransform(const Transform& transform) = 0;
  virtual void PopTransform() = 0;
};

}  // namespace notch
