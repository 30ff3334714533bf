#pragma once
// Handing a file to the shell: open it as a double click would, or show it
// selected in an Explorer window.
#include <string>

namespace notch {

void ShellOpen(const std::wstring& path);

// Opens an Explorer window on the file's folder with the file selected.
void RevealInExplorer(const std::wstring& path);

// The Explorer parameters that select `path`.
std::wstring ExplorerSelectParameters(const std::wstring& path);

}  // namespace notch
