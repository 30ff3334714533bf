#pragma once

namespace notch {

// Sends debug log lines to OutputDebugStringW, each followed by "\n".
void InstallOutputDebugStringSink();

}  // namespace notch
