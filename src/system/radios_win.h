#pragma once
// The radios, Bluetooth devices and pairing through the Windows Runtime
// (Windows.Devices.Radios and Windows.Devices.Enumeration). These only move
// data: every decision is in radios, bluetooth and pairing.
#include <memory>

#include "system/bluetooth.h"
#include "system/pairing.h"
#include "system/radios.h"

namespace notch::radios {

// For worker threads in the multithreaded apartment; failures throw RadioError.
RadioSource& WindowsRadios();
// Asks for radio access on the calling (window) thread, keeping the Radio
// statics once they were obtained; null when the request cannot be made.
std::unique_ptr<AccessRequest> RequestRadioAccessWin();

}  // namespace notch::radios

namespace notch::bluetooth {

DeviceSource& WindowsDevices();
PairingSource& WindowsPairing();

}  // namespace notch::bluetooth
