// The downloads watcher on a real folder: a browser's partial file renamed
// to its final name reaches the window as exactly one hand-off, and files
// that are not finished downloads reach it not at all.
#include "activities/download_watcher_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "activities/finished_download.h"
#include "common/app_messages.h"
#include "message_pump.h"
#include "scratch_folder.h"

namespace notch {
namespace {

std::vector<std::wstring> received;

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == island_message::kDownload) {
    if (auto path = DownloadHandOff().Receive(static_cast<std::uintptr_t>(lparam), message)) {
      received.push_back(*path);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND CreateReceiver() {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = ReceiverProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"NotchDownloadReceiver";
  RegisterClassW(&window_class);
  return CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         window_class.hInstance, nullptr);
}

std::size_t Count(const std::wstring& path) { return std::count(received.begin(), received.end(), path); }

TEST(DownloadWatcherWinTest, APartialFileRenamedToItsNameGivesOneHandOff) {
  testing::ScratchFolder folder;
  const HWND receiver = CreateReceiver();
  ASSERT_NE(receiver, nullptr);
  received.clear();
  // The watcher blocks on the folder for the rest of the process.
  std::thread([path = folder.path(), receiver] {
    WatchDownloadsFolder(path, [receiver] { return receiver; });
  }).detach();

  // The watcher sees changes only once it reads the folder: write files
  // until one arrives.
  bool watching = false;
  for (int i = 0; i < 10 && !watching; ++i) {
    folder.File(L"ready-" + std::to_wstring(i) + L".txt");
    watching = testing::PumpUntil([] { return !received.empty(); }, 1500);
  }
  ASSERT_TRUE(watching);
  received.clear();

  const std::wstring unconfirmed = folder.File(L"Unconfirmed 4711.crdownload", "part");
  const std::wstring partial = folder.path() + L"\\file.zip.crdownload";
  const std::wstring finished = folder.path() + L"\\file.zip";
  ASSERT_TRUE(MoveFileW(unconfirmed.c_str(), partial.c_str()));
  folder.File(L"file.zip.crdownload", "the whole archive");
  ASSERT_TRUE(MoveFileW(partial.c_str(), finished.c_str()));
  // Neither an empty file nor one in a subfolder is a download.
  folder.File(L"empty.txt", "");
  CreateDirectoryW((folder.path() + L"\\fotos").c_str(), nullptr);
  folder.File(L"fotos\\praia.png", "png");
  ASSERT_TRUE(testing::PumpUntil([&] { return Count(finished) > 0; }));

  // A later file's hand-off comes after any the earlier changes could cause.
  const std::wstring sentinel = folder.File(L"sentinel.txt", "done");
  ASSERT_TRUE(testing::PumpUntil([&] { return Count(sentinel) > 0; }));
  // (A late probe may still arrive; it is not part of the story.)
  std::erase_if(received, [](const std::wstring& path) { return path.find(L"\\ready-") != std::wstring::npos; });
  EXPECT_EQ(received, (std::vector<std::wstring>{finished, sentinel}));
  EXPECT_EQ(DownloadHandOff().outstanding(), 0u);
  DestroyWindow(receiver);
}

TEST(DownloadWatcherWinTest, AFolderThatCannotBeOpenedEndsTheWatcher) {
  WatchDownloadsFolder(L"C:\\no such folder\\Downloads", [] { return HWND{}; });
  WatchDownloadsFolder(L"", [] { return HWND{}; });
  SUCCEED();
}

}  // namespace
}  // namespace notch
