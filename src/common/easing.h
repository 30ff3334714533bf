#pragma once
// CSS-style cubic Bezier timing functions with end points (0, 0) and (1, 1).

namespace notch {

struct CubicBezier {
  double x1, y1, x2, y2;
};

// Lyric-line changes.
inline constexpr CubicBezier kEaseOut{0.0, 0.0, 0.58, 1.0};
// Page transitions and fades.
inline constexpr CubicBezier kEaseOutQuint{0.22, 1.0, 0.36, 1.0};

// 0 for t <= 0, 1 for t >= 1, otherwise y(s) where x(s) = t.
double Ease(double t, const CubicBezier& curve);

}  // namespace notch
