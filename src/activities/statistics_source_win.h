#pragma once
// The system's counters for the statistics page: processor times, memory
// load and the interface table.
#include "activities/statistics_activity.h"

namespace notch {

class WindowsStatisticsSource final : public StatisticsSource {
 public:
  StatisticsReadings Read() override;
};

}  // namespace notch
