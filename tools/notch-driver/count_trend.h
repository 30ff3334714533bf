#pragma once
// Whether a sampled count keeps growing: the least-squares slope over the
// second half of the run, taken against the samples' own times (samples come
// further apart than a second when the machine is loaded), against a bound
// per minute of wall time.
#include <span>
#include <string>
#include <vector>

namespace notch::driver {

// The least-squares slope of `values` against `times` (units per unit of
// time); 0 for fewer than two points, for sizes that differ, or when every
// point has the same time.
double LeastSquaresSlope(std::span<const double> times, std::span<const double> values);

struct CountSeries {
  std::string name;
  double bound_per_minute = 0;  // the slope above which the count is growing
  std::vector<double> seconds;  // each sample's time since the start
  std::vector<double> samples;  // the count at that time
  void Add(double at_seconds, double value) {
    seconds.push_back(at_seconds);
    samples.push_back(value);
  }
};

struct TrendVerdict {
  bool growing = false;
  double slope_per_minute = 0;  // over the second half
};

// The second half is the samples taken at or after the middle of the time
// between the first and the last sample; fewer than four samples in it give
// no verdict of growth (too short to tell).
TrendVerdict JudgeTrend(const CountSeries& series);

}  // namespace notch::driver
