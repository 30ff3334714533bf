#include "activities/download_watcher_win.h"

#include <shlobj.h>

#include <memory>
#include <thread>
#include <vector>

#include "activities/download_watch.h"
#include "activities/finished_download.h"
#include "common/app_messages.h"
#include "common/known_folder_win.h"
#include "host/host_links_win.h"

namespace notch {
namespace {

PendingDownloadChecks& Pending() {
  // Never destroyed: detached checkers may outlive main.
  static auto* pending = new PendingDownloadChecks;
  return *pending;
}

DownloadFileFacts FileFacts(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {true, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow};
}

void RunCheck(std::wstring path, std::function<HWND()> island) {
  DownloadCheckPorts ports;
  ports.sleep = [](unsigned ms) { Sleep(ms); };
  ports.facts = FileFacts;
  ports.island_exists = [&] { return IsWindow(island()) != 0; };
  ports.report = [&](const std::wstring& finished) {
    PostHandOff(DownloadHandOff(), std::make_unique<std::wstring>(finished), [&](std::uintptr_t parameter) {
      return PostMessageW(island(), island_message::kDownload, 0, static_cast<LPARAM>(parameter)) != 0;
    });
  };
  CheckDownload(path, ports, Pending());
}

}  // namespace

void WatchDownloadsFolder(const std::wstring& folder, std::function<HWND()> island) {
  if (folder.empty()) return;
  const HANDLE directory =
      CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (directory == INVALID_HANDLE_VALUE) return;
  // DWORD-aligned, as the records are.
  std::vector<DWORD> buffer(kFolderChangeBufferBytes / sizeof(DWORD));
  DownloadWatchPorts ports;
  ports.next_changes = [&]() -> std::optional<std::vector<FolderChange>> {
    DWORD returned = 0;
    if (!ReadDirectoryChangesW(directory, buffer.data(), static_cast<DWORD>(buffer.size() * sizeof(DWORD)), FALSE,
                               FILE_NOTIFY_CHANGE_FILE_NAME, &returned, nullptr, nullptr)) {
      return std::nullopt;
    }
    // Nothing returned: the changes overflowed the buffer and are lost.
    return ReadFolderChanges(reinterpret_cast<const std::uint8_t*>(buffer.data()), returned);
  };
  ports.start_check = [&](const std::wstring& path) { std::thread(RunCheck, path, island).detach(); };
  WatchDownloads(folder, ports, Pending());
  CloseHandle(directory);
}

void DownloadsWatcher() { WatchDownloadsFolder(KnownFolderPath(FOLDERID_Downloads), links::IslandWindow); }

}  // namespace notch
