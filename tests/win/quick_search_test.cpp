// Quick Search against the real shell, registry and clipboard.
#include <windows.h>

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>

#include "common/known_folder_win.h"
#include "search/app_index.h"
#include "search/browsers.h"
#include "search/launch.h"
#include "search/launch_platform_win.h"
#include "search/search_sources_win.h"
#include "search/search_text.h"
#include "support/temp_folder.h"
#include "win_test_support.h"

namespace notch::quick {
namespace {

// A registry key the test writes and removes again.
class ScratchKey {
 public:
  ScratchKey(HKEY root, std::wstring path) : root_(root), path_(std::move(path)) {}
  ~ScratchKey() { RegDeleteTreeW(root_, path_.c_str()); }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  bool SetDefault(const std::wstring& subkey, const std::wstring& value) const {
    const std::wstring path = subkey.empty() ? path_ : path_ + L"\\" + subkey;
    return RegSetKeyValueW(root_, path.c_str(), nullptr, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  HKEY root_;
  std::wstring path_;
};

bool CreateShortcut(const std::wstring& link, const std::wstring& target) {
  IShellLinkW* shell_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shell_link)))) {
    return false;
  }
  IPersistFile* file = nullptr;
  bool saved = SUCCEEDED(shell_link->SetPath(target.c_str())) &&
               SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
               SUCCEEDED(file->Save(link.c_str(), TRUE));
  if (file != nullptr) file->Release();
  shell_link->Release();
  return saved;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

class QuickSearchWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(QuickSearchWindowsTest, AppIndexFindsStartMenuShortcutsAndAppPaths) {
  const std::wstring programs = KnownFolderPath(FOLDERID_Programs);
  ASSERT_FALSE(programs.empty());
  const std::wstring link = programs + L"\\Tembo Search Probe.lnk";
  const std::wstring exe = testing::TestExecutableFolder() + L"\\notch_win_tests.exe";
  ASSERT_TRUE(CreateShortcut(link, exe));
  const ScratchKey app_path(HKEY_CURRENT_USER,
                            L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\tembo-probe-tool.exe");
  ASSERT_TRUE(app_path.SetDefault(L"", L"\"" + exe + L"\""));

  const WindowsSearchSources sources;
  const std::vector<AppEntry> apps = BuildAppIndex(sources.Disk(), sources.Folders(), sources.AppPaths());
  DeleteFileW(link.c_str());

  const auto shortcut =
      std::find_if(apps.begin(), apps.end(), [](const AppEntry& app) { return app.name == L"Tembo Search Probe"; });
  ASSERT_NE(shortcut, apps.end());
  EXPECT_EQ(ToLower(shortcut->target), ToLower(link));
  EXPECT_EQ(shortcut->subtitle, L"App");
  // The test exe also comes through App Paths, under its own file name.
  const auto tool =
      std::find_if(apps.begin(), apps.end(), [](const AppEntry& app) { return app.key == L"notch_win_tests"; });
  ASSERT_NE(tool, apps.end());
  EXPECT_EQ(ToLower(tool->target), ToLower(exe));

  ResultRows added;
  AddAppMatches(added, apps, L"tembo search probe");
  const std::span<const SearchResult> rows = added.rows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].title, L"Tembo Search Probe");
  EXPECT_EQ(rows[0].score, 1800);
}

HWND g_clipboard_owner = nullptr;
HWND ClipboardOwner() { return g_clipboard_owner; }

TEST_F(QuickSearchWindowsTest, OpeningACalculationCopiesItsAnswer) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  g_clipboard_owner = owner;
  WindowsLaunchPlatform launcher(&ClipboardOwner);
  const SearchResult calculation{ResultKind::Calc, L"= 14", L"Copy answer", L"14", {}, icon::kCalculator, 2400};
  const LaunchOutcome outcome = OpenResult(calculation, L"", launcher);
  EXPECT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(ClipboardText(), L"14");
  // The copy belongs to the program's window, as SetClipboardData needs.
  EXPECT_EQ(GetClipboardOwner(), owner);

  // Without a window to own it nothing is copied, and that is said.
  g_clipboard_owner = nullptr;
  const SearchResult other{ResultKind::Calc, L"= 15", L"Copy answer", L"15", {}, icon::kCalculator, 2400};
  EXPECT_FALSE(OpenResult(other, L"", launcher).ok);
  EXPECT_EQ(ClipboardText(), L"14");
  DestroyWindow(owner);
}

TEST_F(QuickSearchWindowsTest, AFileTheShellCannotOpenIsReported) {
  WindowsLaunchPlatform launcher(&ClipboardOwner);
  const SearchResult ghost{ResultKind::File, L"ghost.txt", L"", L"C:\\no such folder\\ghost.txt", {}, icon::kFile, 1};
  const LaunchOutcome outcome = OpenResult(ghost, L"", launcher);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, L"Windows could not open ghost.txt");
}

TEST_F(QuickSearchWindowsTest, ABrowserRegisteredTwiceIsListedOnce) {
  testing::TempFolder folder;
  const std::wstring exe = (folder.path() / L"probe-browser.exe").wstring();
  std::ofstream(folder.path() / L"probe-browser.exe") << "MZ";
  const std::wstring key = L"SOFTWARE\\Clients\\StartMenuInternet";
  const ScratchKey quoted(HKEY_CURRENT_USER, key + L"\\TemboProbe.Quoted");
  const ScratchKey unquoted(HKEY_CURRENT_USER, key + L"\\TemboProbe.Unquoted");
  ASSERT_TRUE(quoted.SetDefault(L"", L"  Tembo Probe Browser "));
  ASSERT_TRUE(quoted.SetDefault(L"shell\\open\\command", L"\"" + exe + L"\" -- \"%1\""));
  ASSERT_TRUE(unquoted.SetDefault(L"shell\\open\\command", ToLower(exe) + L" --single-argument %1"));

  const WindowsLaunchPlatform launcher(&ClipboardOwner);
  const std::vector<BrowserChoice> browsers = ListBrowsers(L"", L"", launcher);
  ASSERT_FALSE(browsers.empty());
  EXPECT_EQ(browsers[0].name, L"System default");
  const auto is_probe = [&](const BrowserChoice& choice) { return ToLower(choice.path) == ToLower(exe); };
  EXPECT_EQ(std::count_if(browsers.begin(), browsers.end(), is_probe), 1);
  const auto probe = std::find_if(browsers.begin(), browsers.end(), is_probe);
  ASSERT_NE(probe, browsers.end());
  EXPECT_EQ(probe->name, L"Tembo Probe Browser");
}

}  // namespace
}  // namespace notch::quick
