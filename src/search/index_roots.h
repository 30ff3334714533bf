#pragma once
// Where the file index walk starts and how deep each start goes.
#include <vector>

#include "search/disk_walk.h"
#include "search/search_sources.h"

namespace notch::quick {

// Desktop, Documents and Downloads 7 levels, Pictures and Videos 5, Music
// and the profile 4, drive C 4 and every other fixed drive 6; folders the
// system did not report and repeated ones (in any letter case) left out.
std::vector<WalkRoot> FileIndexRoots(const SearchFolders& folders);

}  // namespace notch::quick
