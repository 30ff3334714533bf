#pragma once
// The expanded card's interactive elements as the last frame drew them.
#include <vector>

#include "render/geometry.h"
#include "shell/ilha/island_types.h"

namespace notch {

class HitRegions {
 public:
  void Clear() { regions_.clear(); }
  void Add(int kind, const RectF& rect, int index = 0) { regions_.push_back({rect, {kind, index}}); }
  // The element drawn last wins where elements overlap.
  HitItem Find(PointF point) const {
    for (auto it = regions_.rbegin(); it != regions_.rend(); ++it) {
      if (it->rect.Contains(point)) return it->item;
    }
    return {};
  }
  // The rectangle of the first element of `kind`, for actions that depend
  // on where in it the click landed.
  const RectF* RectOf(int kind) const {
    for (const Region& region : regions_) {
      if (region.item.kind == kind) return &region.rect;
    }
    return nullptr;
  }

 private:
  struct Region {
    RectF rect;
    HitItem item;
  };
  std::vector<Region> regions_;
};

}  // namespace notch
