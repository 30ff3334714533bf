#pragma once
// The browsers web results can open in, and the name shown for the chosen one.
#include <string>
#include <string_view>
#include <vector>

#include "search/launch_platform.h"

namespace notch::quick {

struct BrowserChoice {
  std::wstring name;
  std::wstring path;  // empty: the system's default handler
};

// The program a registered browser's open command starts: its quoted
// beginning, else the text up to ".exe", else up to the first space.
std::wstring BrowserExecutableFromCommand(std::wstring_view command);

// "System default" first, then registered browsers, then known install
// locations, each once, then the configured program if it is not listed.
std::vector<BrowserChoice> ListBrowsers(std::wstring_view configured_path, std::wstring_view configured_name,
                                        const LaunchPlatform& platform);

// "Default" for the default handler, else the configured name, else the
// program's file description or file stem.
std::wstring BrowserLabel(std::wstring_view path, std::wstring_view configured_name, const LaunchPlatform& platform);

}  // namespace notch::quick
