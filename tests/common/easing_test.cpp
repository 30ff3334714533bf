#include "common/easing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace notch {
namespace {

TEST(EasingTest, EndPointsAndOutOfRangeInput) {
  for (const auto& curve : {kEaseOut, kEaseOutQuint}) {
    EXPECT_EQ(Ease(0.0, curve), 0.0);
    EXPECT_EQ(Ease(-3.0, curve), 0.0);
    EXPECT_EQ(Ease(1.0, curve), 1.0);
    EXPECT_EQ(Ease(7.0, curve), 1.0);
    EXPECT_EQ(Ease(std::numeric_limits<double>::quiet_NaN(), curve), 0.0);
  }
}

TEST(EasingTest, MatchesTheCurvesInUse) {
  struct Sample {
    double t, ease_out, ease_out_quint;
  };
  // Reference values solved to full precision by bisection.
  const Sample samples[] = {{0.1, 0.160572, 0.401097},
                            {0.25, 0.378138, 0.764865},
                            {0.5, 0.684643, 0.961383},
                            {0.75, 0.906535, 0.996894},
                            {0.9, 0.982973, 0.999840}};
  for (const Sample& s : samples) {
    EXPECT_NEAR(Ease(s.t, kEaseOut), s.ease_out, 0.002) << s.t;
    EXPECT_NEAR(Ease(s.t, kEaseOutQuint), s.ease_out_quint, 0.002) << s.t;
  }
}

TEST(EasingTest, IsMonotonic) {
  for (const auto& curve : {kEaseOut, kEaseOutQuint, CubicBezier{0.9, 0.1, 0.1, 0.9}}) {
    double previous = 0.0;
    for (int i = 1; i <= 1000; ++i) {
      const double value = Ease(i / 1000.0, curve);
      EXPECT_GE(value, previous - 1e-6) << i;
      previous = value;
    }
  }
}

}  // namespace
}  // namespace notch
