#include "common/easing.h"

#include <cmath>

namespace notch {
namespace {

// One coordinate of the curve with control values a and b at parameter s.
double Coordinate(double s, double a, double b) {
  const double u = 1.0 - s;
  return 3.0 * u * u * s * a + 3.0 * u * s * s * b + s * s * s;
}

double Slope(double s, double a, double b) {
  const double u = 1.0 - s;
  return 3.0 * u * u * a + 6.0 * u * s * (b - a) + 3.0 * s * s * (1.0 - b);
}

// Newton's method first; bisection when it leaves 0..1 or misses.
double ParameterForX(double t, const CubicBezier& c) {
  double s = t;
  for (int step = 0; step < 6; ++step) {
    const double error = Coordinate(s, c.x1, c.x2) - t;
    if (std::fabs(error) < 0.0001) break;
    const double slope = Slope(s, c.x1, c.x2);
    if (std::fabs(slope) < 0.000001) break;
    s -= error / slope;
  }
  if (s >= 0.0 && s <= 1.0 && std::fabs(Coordinate(s, c.x1, c.x2) - t) <= 0.001) return s;

  double low = 0.0;
  double high = 1.0;
  s = t;
  for (int halving = 0; halving < 30; ++halving) {
    const double x = Coordinate(s, c.x1, c.x2);
    if (std::fabs(x - t) < 0.00001) break;
    if (x < t) {
      low = s;
    } else {
      high = s;
    }
    s = (low + high) / 2.0;
  }
  return s;
}

}  // namespace

double Ease(double t, const CubicBezier& curve) {
  if (!(t > 0.0)) return 0.0;
  if (t >= 1.0) return 1.0;
  return Coordinate(ParameterForX(t, curve), curve.y1, curve.y2);
}

}  // namespace notch
