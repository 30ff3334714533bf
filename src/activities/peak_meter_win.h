#pragma once
// The peak meter of the default render endpoint through Core Audio.
#include "activities/peak_meter.h"

namespace notch {

PeakMeterSource& WindowsPeakMeterSource();

}  // namespace notch
