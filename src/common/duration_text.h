#pragma once
// A duration as people read it on a clock face.
#include <string>

namespace notch {

// "m:ss" below an hour, "h:mm:ss" from an hour on; negative counts as 0.
std::wstring FormatWholeSeconds(long long seconds);

}  // namespace notch
