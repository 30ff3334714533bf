#pragma once
// The program's one Quick Search engine and launcher, for the panel.
#include "search/launch_platform_win.h"
#include "search/search_engine.h"

namespace notch::quick {

// Created on first use and never destroyed: detached index builds may still
// be reading it when the process ends.
SearchEngine& Engine();
WindowsLaunchPlatform& Launcher();

}  // namespace notch::quick
