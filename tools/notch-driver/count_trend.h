#pragma once
// Whether a count sampled once a second keeps growing: the least-squares
// slope over the second half of the run, against a bound per count.
#include <span>
#include <string>
#include <vector>

namespace notch::driver {

// The least-squares slope of `values` against their index (units per
// sample); 0 for fewer than two values.
double LeastSquaresSlope(std::span<const double> values);

struct CountSeries {
  std::string name;
  double bound_per_minute = 0;  // the slope above which the count is growing
  std::vector<double> samples;  // one a second
};

struct TrendVerdict {
  bool growing = false;
  double slope_per_minute = 0;  // over the second half
};

// The second half is the later samples[size/2 ...]; fewer than four samples
// in it give no verdict of growth (too short to tell).
TrendVerdict JudgeTrend(const CountSeries& series);

}  // namespace notch::driver
