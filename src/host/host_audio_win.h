#pragma once
// The program's one binding to the default output endpoint, for the host
// window's messages and timer and for the Quick Controls panel (volume,
// mute, the output summary, the bound device).
#include "host/audio_binding.h"

namespace notch {

// Main thread only.
AudioBinding& HostAudio();

}  // namespace notch
