// The downloads and privacy watchers in the running TemboNotch.exe: a file
// renamed from its partial name in the user's Downloads folder raises the
// download card, and an application recorded in the consent store as using
// the microphone or the camera widens the island until its stop time is
// written.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

#include "activities/privacy_watcher_win.h"
#include "common/known_folder_win.h"
#include "message_pump.h"
#include "roaming_settings.h"
#include "tembo_notch_process.h"

namespace notch {
namespace {

int RegionWidth(HWND island) {
  RECT box{};
  return GetWindowRgnBox(island, &box) == ERROR ? 0 : box.right - box.left;
}

// An application entry of the consent store, removed afterwards.
class ConsentEntry {
 public:
  ConsentEntry(const wchar_t* capability, const wchar_t* app)
      : path_(std::wstring(kConsentStoreKey) + capability + L"\\NonPackaged\\" + app) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (key != nullptr) RegCloseKey(key);
    SetTimes(133000000000000000ull, 133000000000000001ull);
  }
  ~ConsentEntry() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
  ConsentEntry(const ConsentEntry&) = delete;
  ConsentEntry& operator=(const ConsentEntry&) = delete;

  void SetTimes(std::uint64_t start, std::uint64_t stop) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), L"LastUsedTimeStart", REG_QWORD, &start, sizeof start);
    RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), L"LastUsedTimeStop", REG_QWORD, &stop, sizeof stop);
  }

 private:
  std::wstring path_;
};

class DownloadsPrivacyProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.started());
    ASSERT_TRUE(program_.WaitUntilIdle());
    island_ = testing::FindProcessWindow(L"ShellIlha", program_.id());
    ASSERT_NE(island_, nullptr);
    ASSERT_TRUE(testing::PumpUntil([&] { return RegionWidth(island_) > 0 && RegionWidth(island_) < 250; }));
    rest_ = RegionWidth(island_);
  }
  void TearDown() override { EXPECT_EQ(program_.Close(), 0u); }

  // Made before the program starts, so that its watcher finds them.
  ConsentEntry microphone_{L"microphone", L"C:#notch-tests#recorder.exe"};
  ConsentEntry camera_{L"webcam", L"C:#notch-tests#camera.exe"};
  std::wstring downloads_ = [] {
    const std::wstring folder = KnownFolderPath(FOLDERID_Downloads);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
  }();
  testing::ScopedSettingsFile settings_{"[Notch]\nilha_estilo=notch\n"};
  testing::TemboNotchProcess program_;
  HWND island_ = nullptr;
  int rest_ = 0;
};

TEST_F(DownloadsPrivacyProcessTest, ThePrivacyBitsWidenTheIslandWhileAnAppUsesTheMicrophoneOrCamera) {
  microphone_.SetTimes(133000000000000100ull, 0);
  ASSERT_TRUE(testing::PumpUntil([&] { return RegionWidth(island_) >= rest_ + 20; }));
  microphone_.SetTimes(133000000000000100ull, 133000000000000300ull);
  ASSERT_TRUE(testing::PumpUntil([&] { return RegionWidth(island_) == rest_; }));
  camera_.SetTimes(133000000000000200ull, 0);
  ASSERT_TRUE(testing::PumpUntil([&] { return RegionWidth(island_) >= rest_ + 20; }));
  camera_.SetTimes(133000000000000200ull, 133000000000000400ull);
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionWidth(island_) == rest_; }));
}

TEST_F(DownloadsPrivacyProcessTest, ADownloadRenamedFromItsPartialNameShowsTheCard) {
  ASSERT_FALSE(downloads_.empty());
  // The watcher sees changes only once it reads the folder: try a few names.
  bool shown = false;
  for (int i = 0; i < 3 && !shown; ++i) {
    const std::wstring name = L"notch-test-" + std::to_wstring(GetTickCount64()) + L".zip";
    const std::wstring partial = downloads_ + L"\\" + name + L".crdownload";
    const std::wstring finished = downloads_ + L"\\" + name;
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "archive", 7, &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(MoveFileW(partial.c_str(), finished.c_str()));
    shown = testing::PumpUntil([&] { return RegionWidth(island_) >= 344; }, 4000);
    DeleteFileW(finished.c_str());
  }
  ASSERT_TRUE(shown);
  // The card's 4 s, then back to rest.
  EXPECT_TRUE(testing::PumpUntil([&] { return RegionWidth(island_) == rest_; }, 15000));
}

}  // namespace
}  // namespace notch
