#include "count_trend.h"

namespace notch::driver {

double LeastSquaresSlope(std::span<const double> values) {
  const std::size_t n = values.size();
  if (n < 2) return 0;
  // Centred sums keep the arithmetic exact enough for hours of samples.
  const double mean_x = static_cast<double>(n - 1) / 2;
  double mean_y = 0;
  for (const double y : values) mean_y += y;
  mean_y /= static_cast<double>(n);
  double sxy = 0, sxx = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = static_cast<double>(i) - mean_x;
    sxy += dx * (values[i] - mean_y);
    sxx += dx * dx;
  }
  return sxy / sxx;
}

TrendVerdict JudgeTrend(const CountSeries& series) {
  const std::span<const double> all(series.samples);
  const std::span<const double> second_half = all.subspan(all.size() / 2);
  TrendVerdict verdict;
  verdict.slope_per_minute = LeastSquaresSlope(second_half) * 60;
  verdict.growing = second_half.size() >= 4 && verdict.slope_per_minute > series.bound_per_minute;
  return verdict;
}

}  // namespace notch::driver
