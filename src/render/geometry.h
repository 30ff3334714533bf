#pragma once
// Plain geometry values used everywhere: points, sizes and rectangles in
// device-independent pixels (floats), and pixel rectangles (integers).
#include <algorithm>

namespace notch {

struct PointF {
  float x = 0.0f, y = 0.0f;
  friend bool operator==(const PointF&, const PointF&) = default;
};

struct SizeF {
  float width = 0.0f, height = 0.0f;
  friend bool operator==(const SizeF&, const SizeF&) = default;
};

struct RectF {
  float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;

  float width() const { return right - left; }
  float height() const { return bottom - top; }
  PointF centre() const { return {(left + right) / 2.0f, (top + bottom) / 2.0f}; }
  bool Contains(PointF p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  RectF Inset(float by) const { return {left + by, top + by, right - by, bottom - by}; }
  friend bool operator==(const RectF&, const RectF&) = default;
};

// Left/top inclusive, right/bottom exclusive, as Windows rectangles.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace notch
