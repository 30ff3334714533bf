#include "shell/ilha/island_animation_rules.h"

namespace notch {

SpringParameters ShapeSpringParameters(AnimationKind kind, Theme theme, bool reduce_motion) {
  if (reduce_motion) return {0.18f, 1.0f};
  if (theme == Theme::Leopard) return {kind == AnimationKind::TowardsCard ? 0.30f : 0.25f, 1.0f};
  switch (kind) {
    case AnimationKind::TowardsCard:
      return {0.34f, 0.85f};
    case AnimationKind::AwayFromCard:
      return {0.28f, 0.96f};
    case AnimationKind::QuickControls:
      return {0.23f, 0.94f};
    case AnimationKind::Other:
      break;
  }
  return {0.28f, 0.90f};
}

bool AnimationContinues(double since_state_change_ms, double since_page_switch_ms, bool springs_moving) {
  return since_state_change_ms < 300.0 || since_page_switch_ms < 250.0 || springs_moving;
}

}  // namespace notch
