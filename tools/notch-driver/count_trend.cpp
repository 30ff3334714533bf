#include "count_trend.h"

#include <algorithm>
#include <cstddef>

namespace notch::driver {

double LeastSquaresSlope(std::span<const double> times, std::span<const double> values) {
  const std::size_t n = values.size();
  if (n < 2 || times.size() != n) return 0;
  // Centred sums keep the arithmetic exact enough for hours of samples.
  double mean_x = 0, mean_y = 0;
  for (std::size_t i = 0; i < n; ++i) {
    mean_x += times[i];
    mean_y += values[i];
  }
  mean_x /= static_cast<double>(n);
  mean_y /= static_cast<double>(n);
  double sxy = 0, sxx = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = times[i] - mean_x;
    sxy += dx * (values[i] - mean_y);
    sxx += dx * dx;
  }
  return sxx > 0 ? sxy / sxx : 0;
}

TrendVerdict JudgeTrend(const CountSeries& series) {
  TrendVerdict verdict;
  const std::size_t n = std::min(series.seconds.size(), series.samples.size());
  if (n == 0) return verdict;
  const std::span<const double> times(series.seconds.data(), n);
  const std::span<const double> values(series.samples.data(), n);
  // Samples are taken in order; the first one at or after the middle time
  // starts the second half.
  const double middle = (times.front() + times.back()) / 2;
  const auto from = static_cast<std::size_t>(std::lower_bound(times.begin(), times.end(), middle) - times.begin());
  const std::size_t count = n - from;
  verdict.slope_per_minute = LeastSquaresSlope(times.subspan(from), values.subspan(from)) * 60;
  verdict.growing = count >= 4 && verdict.slope_per_minute > series.bound_per_minute;
  return verdict;
}

}  // namespace notch::driver
