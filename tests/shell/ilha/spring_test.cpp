#include "shell/ilha/spring.h"

#include <gtest/gtest.h>

#include <cmath>

#include "shell/ilha/island_animation_rules.h"

namespace notch {
namespace {

// Frames of `dt` until the spring stops; returns the frame count and the
// largest overshoot past the target.
struct SpringRun {
  int frames = 0;
  float overshoot = 0.0f;
};
SpringRun Animate(Spring& spring, double dt, SpringParameters parameters, float epsilon = 0.05f) {
  SpringRun run;
  const float direction = spring.target > spring.position ? 1.0f : -1.0f;
  while (spring.Update(dt, parameters, epsilon) && run.frames < 10000) {
    ++run.frames;
    run.overshoot = std::max(run.overshoot, (spring.position - spring.target) * direction);
  }
  return run;
}

TEST(SpringTest, ConvergesAndSnapsToTheTarget) {
  Spring spring;
  spring.position = 90.0f;
  spring.target = 344.0f;
  const SpringRun run = Animate(spring, 1000.0 / 60.0, {0.34f, 0.85f});
  EXPECT_LT(run.frames, 120);  // well under two seconds
  EXPECT_EQ(spring.position, 344.0f);
  EXPECT_EQ(spring.velocity, 0.0f);
  EXPECT_GT(run.overshoot, 0.0f);  // an underdamped spring overshoots a little
  EXPECT_LT(run.overshoot, 40.0f);
}

TEST(SpringTest, StaysStableAtTheFiftyMillisecondCap) {
  // A long frame is integrated in 2 ms steps: the result matches many short frames.
  Spring slow, fast;
  slow.position = fast.position = 0.0f;
  slow.target = fast.target = 100.0f;
  for (int i = 0; i < 10; ++i) slow.Update(50.0, {0.23f, 0.94f}, 0.05f);
  for (int i = 0; i < 250; ++i) fast.Update(2.0, {0.23f, 0.94f}, 0.05f);
  EXPECT_NEAR(slow.position, fast.position, 0.01f);
  EXPECT_TRUE(std::isfinite(slow.velocity));
}

TEST(SpringTest, CriticalDampingNeverOvershoots) {
  Spring spring;
  spring.target = 300.0f;
  EXPECT_EQ(Animate(spring, 16.0, ShapeSpringParameters(AnimationKind::TowardsCard, Theme::Sequoia, true)).overshoot,
            0.0f);
  Spring opacity;
  opacity.target = 1.0f;
  EXPECT_EQ(Animate(opacity, 16.0, {0.17f, 1.0f}, 0.004f).overshoot, 0.0f);
}

TEST(SpringTest, ResponseAndDampingPerKindThemeAndReduceMotion) {
  struct Case {
    AnimationKind kind;
    Theme theme;
    bool reduce;
    float response, damping;
  };
  for (const Case& c : {Case{AnimationKind::TowardsCard, Theme::Sequoia, false, 0.34f, 0.85f},
                        Case{AnimationKind::AwayFromCard, Theme::Tahoe, false, 0.28f, 0.96f},
                        Case{AnimationKind::QuickControls, Theme::GoldenGate, false, 0.23f, 0.94f},
                        Case{AnimationKind::Other, Theme::Sequoia, false, 0.28f, 0.90f},
                        Case{AnimationKind::TowardsCard, Theme::Leopard, false, 0.30f, 1.0f},
                        Case{AnimationKind::QuickControls, Theme::Leopard, false, 0.25f, 1.0f},
                        Case{AnimationKind::TowardsCard, Theme::Leopard, true, 0.18f, 1.0f},
                        Case{AnimationKind::AwayFromCard, Theme::Sequoia, true, 0.18f, 1.0f}}) {
    const SpringParameters p = ShapeSpringParameters(c.kind, c.theme, c.reduce);
    EXPECT_FLOAT_EQ(p.response, c.response);
    EXPECT_FLOAT_EQ(p.damping, c.damping);
  }
}

TEST(SpringTest, TheAnimationOutlivesTheSpringsForTheFades) {
  EXPECT_TRUE(AnimationContinues(299.0, 1000.0, false));
  EXPECT_TRUE(AnimationContinues(1000.0, 249.0, false));
  EXPECT_TRUE(AnimationContinues(1000.0, 1000.0, true));
  EXPECT_FALSE(AnimationContinues(300.0, 250.0, false));
}

}  // namespace
}  // namespace notch
