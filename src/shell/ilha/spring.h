#pragma once
// A damped spring that moves one animated value towards its target.

namespace notch {

struct SpringParameters {
  float response = 0.28f;  // seconds per oscillation
  float damping = 0.90f;   // 1 = critically damped
};

struct Spring {
  float position = 0.0f;
  float velocity = 0.0f;
  float target = 0.0f;

  // Integrates `dt_ms` in sub-steps of at most 2 ms (stable for long frames).
  // Returns whether the spring still moves; once within `epsilon` of the
  // target (and nearly at rest) it snaps there and stops.
  bool Update(double dt_ms, SpringParameters parameters, float epsilon);

  void Snap(float value) {
    position = target = value;
    velocity = 0.0f;
  }
};

}  // namespace notch
