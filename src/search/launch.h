#pragma once
// Opening a chosen result: links in the chosen browser, a calculation onto
// the clipboard, everything else through the shell; and a terminal in a
// result's folder.
#include <string>
#include <string_view>

#include "search/launch_platform.h"
#include "search/search_result.h"

namespace notch::quick {

// Success, or the one sentence the panel shows.
struct LaunchOutcome {
  bool ok = false;
  std::wstring message;
};

LaunchOutcome OpenResult(const SearchResult& result, std::wstring_view browser_path, LaunchPlatform& platform);

// The folder argument for Windows Terminal: trailing separators dropped, a
// drive root written "C:\." so that its closing quote is not escaped, and
// every ";" written "\;", since Windows Terminal starts a new command at a
// ";" even inside quotes.
std::wstring TerminalFolderArgument(std::wstring_view folder);

// Windows Terminal in the folder of `path` (the folder itself, or a file's
// parent), else PowerShell there.
LaunchOutcome OpenTerminalHere(std::wstring_view path, LaunchPlatform& platform);

}  // namespace notch::quick
