#include "activities/island_activity_set_win.h"

#include "activities/island_activity_set.h"
#include "render/fonts.h"

namespace notch {

IslandActivities& WindowsIslandActivities() {
  static IslandActivitySet activities(SharedFonts());
  return activities;
}

}  // namespace notch
