#pragma once
// A list of strings handed to the system as IIterable<String> (for example
// the extra properties a device search should fill).
#include <windows.h>

#include <wrl/client.h>

#include <string>
#include <vector>

#include "winrt/collections_win.h"

namespace notch::winrt {

// Null only when memory is exhausted.
Microsoft::WRL::ComPtr<IIterable<StringType>> MakeStringIterable(std::vector<std::wstring> strings);

}  // namespace notch::winrt
