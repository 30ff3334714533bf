#include "search/quick_search_win.h"

#include "host/host_links_win.h"
#include "search/search_sources_win.h"

namespace notch::quick {

SearchEngine& Engine() {
  static const auto* const sources = new WindowsSearchSources();
  static auto* const engine = new SearchEngine(*sources, SystemClock());
  return *engine;
}

WindowsLaunchPlatform& Launcher() {
  static WindowsLaunchPlatform launcher(&links::IslandWindow);
  return launcher;
}

}  // namespace notch::quick

namespace notch::links {

void StartQuickSearch() { quick::Engine().EnsureIndexes(); }

}  // namespace notch::links
