#pragma once
// Mobile Hotspot through the Windows Runtime: the connection profiles of
// NetworkInformation and NetworkOperatorTetheringManager. Only moves data;
// the decisions are in hotspot.
#include "system/hotspot.h"

namespace notch::hotspot {

// For worker threads in the multithreaded apartment; failures throw TetheringError.
TetheringSource& WindowsTethering();

}  // namespace notch::hotspot
