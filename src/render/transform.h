#pragma once
// A 2-D affine transform in Direct2D's row-vector convention: a point maps to
// (x * m11 + y * m21 + dx, x * m12 + y * m22 + dy), and `a * b` applies a
// first, then b.
#include "render/geometry.h"

namespace notch {

struct Transform {
  float m11 = 1.0f, m12 = 0.0f, m21 = 0.0f, m22 = 1.0f, dx = 0.0f, dy = 0.0f;

  static constexpr Transform Translation(float x, float y) { return {1.0f, 0.0f, 0.0f, 1.0f, x, y}; }
  static constexpr Transform Scale(float sx, float sy) { return {sx, 0.0f, 0.0f, sy, 0.0f, 0.0f}; }
  // Scales by `s` about the origin, then moves by (x, y).
  static constexpr Transform ScaleThenMove(float s, float x, float y) { return {s, 0.0f, 0.0f, s, x, y}; }

  constexpr PointF Apply(PointF p) const { return {p.x * m11 + p.y * m21 + dx, p.x * m12 + p.y * m22 + dy}; }

  friend constexpr Transform operator*(const Transform& a, const Transform& b) {
    return {a.m11 * b.m11 + a.m12 * b.m21, a.m11 * b.m12 + a.m12 * b.m22,      a.m21 * b.m11 + a.m22 * b.m21,
            a.m21 * b.m12 + a.m22 * b.m22, a.dx * b.m11 + a.dy * b.m21 + b.dx, a.dx * b.m12 + a.dy * b.m22 + b.dy};
  }
  friend bool operator==(const Transform&, const Transform&) = default;
};

}  // namespace notch
