#pragma once
// The downloads watcher: finished downloads in a folder become island
// messages (island_message::kDownload through DownloadHandOff).
#include <windows.h>

#include <functional>
#include <string>

namespace notch {

// Watches `folder` until it can no longer be read, posting each finished
// download to the window `island` returns at that moment.
void WatchDownloadsFolder(const std::wstring& folder, std::function<HWND()> island);

// The thread function: the user's Downloads folder, for the island window.
// Ends at once when the folder is unknown or cannot be opened.
void DownloadsWatcher();

}  // namespace notch
