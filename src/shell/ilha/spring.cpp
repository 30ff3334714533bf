#include "shell/ilha/spring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace notch {

bool Spring::Update(double dt_ms, SpringParameters parameters, float epsilon) {
  const double response = parameters.response;
  const double stiffness = std::pow(2.0 * std::numbers::pi / response, 2.0);
  const double friction = 4.0 * std::numbers::pi * parameters.damping / response;
  double x = position;
  double v = velocity;
  const double z = target;
  for (double remaining = dt_ms / 1000.0; remaining > 0.0;) {
    const double step = std::min(0.002, remaining);
    const double acceleration = -stiffness * (x - z) - friction * v;
    v += acceleration * step;
    x += v * step;
    remaining -= step;
  }
  position = static_cast<float>(x);
  velocity = static_cast<float>(v);
  if (std::fabs(position - target) < epsilon && std::fabs(velocity) < 10.0f * epsilon) {
    Snap(target);
    return false;
  }
  return true;
}

}  // namespace notch
