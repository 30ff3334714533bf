#pragma once
// The Windows Search index, asked through its OLE DB provider.
#include <string>
#include <vector>

namespace notch::quick {

// The item paths of the command's rows (at most kWindowsSearchRows); nothing
// when the provider is missing or fails at any step.
std::vector<std::wstring> QueryWindowsSearchIndex(const std::wstring& command);

}  // namespace notch::quick
