#include "search/app_index.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_disk.h"

namespace notch::quick {
namespace {

using ::testing::ElementsAre;

constexpr wchar_t kCommon[] = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
constexpr wchar_t kUser[] = L"C:\\Users\\ana\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";
constexpr wchar_t kDesktop[] = L"C:\\Users\\ana\\Desktop";

class AppIndexTest : public ::testing::Test {
 protected:
  AppIndexTest() {
    folders_.common_programs = kCommon;
    folders_.user_programs = kUser;
    folders_.desktop = kDesktop;
  }

  std::vector<std::wstring> Names(const std::vector<AppPathEntry>& app_paths = {}) {
    std::vector<std::wstring> names;
    for (const AppEntry& app : BuildAppIndex(disk_, folders_, app_paths)) names.push_back(app.name);
    return names;
  }

  std::wstring In(const wchar_t* folder, const wchar_t* name) { return std::wstring(folder) + L"\\" + name; }

  testing::FakeDisk disk_;
  SearchFolders folders_;
};

TEST_F(AppIndexTest, LeavesOutUninstallersAndDocumentation) {
  disk_.AddFile(In(kCommon, L"Foo\\Uninstall Foo.lnk"));
  disk_.AddFile(In(kCommon, L"Foo\\Foo Readme.url"));
  disk_.AddFile(In(kCommon, L"Foo\\Foo Release Notes.lnk"));
  disk_.AddFile(In(kCommon, L"Foo\\Remove Foo.lnk"));
  disk_.AddFile(In(kCommon, L"Foo\\Remover.lnk"));  // "remove" without the space is a name
  disk_.AddFile(In(kCommon, L"Foo\\Foo.lnk"));
  EXPECT_THAT(Names(), ElementsAre(L"Foo", L"Remover"));
}

TEST_F(AppIndexTest, TakesOnlyShortcutsProgramsAndInternetLinks) {
  disk_.AddFile(In(kUser, L"Tool.EXE"));
  disk_.AddFile(In(kUser, L"Site.url"));
  disk_.AddFile(In(kUser, L"desktop.ini"));
  disk_.AddFile(In(kUser, L"Manual.pdf"));
  disk_.AddFolder(In(kUser, L"Empty.lnk"));  // a folder, however it is named
  EXPECT_THAT(Names(), ElementsAre(L"Site", L"Tool"));
}

TEST_F(AppIndexTest, KeepsTheFirstOfEntriesWithTheSameName) {
  disk_.AddFile(In(kUser, L"Notepad.lnk"));
  disk_.AddFile(In(kCommon, L"Accessories\\notepad.lnk"));
  disk_.AddFile(In(kDesktop, L"NOTEPAD.lnk"));
  const std::vector<AppEntry> apps = BuildAppIndex(disk_, folders_, {});
  ASSERT_EQ(apps.size(), 1u);
  EXPECT_EQ(apps[0].target, In(kCommon, L"accessories\\notepad.lnk"));
  EXPECT_EQ(apps[0].key, L"notepad");
  EXPECT_EQ(apps[0].subtitle, L"App");
}

TEST_F(AppIndexTest, MarksDesktopEntries) {
  disk_.AddFile(In(kDesktop, L"Game.lnk"));
  const std::vector<AppEntry> apps = BuildAppIndex(disk_, folders_, {});
  ASSERT_EQ(apps.size(), 1u);
  EXPECT_EQ(apps[0].subtitle, L"Desktop");
}

TEST_F(AppIndexTest, DoesNotFollowFolderLinksOnTheDesktop) {
  disk_.AddFolderLink(In(kDesktop, L"Loop"));
  disk_.AddFile(In(kDesktop, L"Loop\\Inside.lnk"));
  EXPECT_TRUE(Names().empty());
}

TEST_F(AppIndexTest, ReadsAppPathsThatExist) {
  disk_.AddFile(L"C:\\Program Files\\Paint\\paint.exe");
  disk_.AddFile(L"C:\\Tools\\zip.exe");
  const std::vector<AppPathEntry> app_paths = {
      {L"paint.exe", L"\"C:\\Program Files\\Paint\\paint.exe\""},
      {L"gone.exe", L"C:\\Gone\\gone.exe"},
      {L"zip.exe", L"C:\\Tools\\zip.exe"},
      {L"empty.exe", L""},
  };
  const std::vector<AppEntry> apps = BuildAppIndex(disk_, folders_, app_paths);
  ASSERT_EQ(apps.size(), 2u);
  EXPECT_EQ(apps[0].name, L"paint");
  EXPECT_EQ(apps[0].target, L"C:\\Program Files\\Paint\\paint.exe");
  EXPECT_EQ(apps[1].name, L"zip");
}

TEST(AppMatchesTest, KeepsTheEightBestWithTiesByName) {
  std::vector<AppEntry> apps;
  for (const wchar_t* name : {L"Code 9", L"Code 1", L"Code 5", L"Code 3", L"Code 7", L"Code 2", L"Code 8", L"Code 4",
                              L"Code 6", L"Obs", L"Code"}) {
    apps.push_back({name, ToLower(name), std::wstring(L"C:\\") + name + L".lnk", L"App"});
  }
  ResultRows added;
  AddAppMatches(added, apps, L"code");
  const std::span<const SearchResult> rows = added.rows();
  ASSERT_EQ(rows.size(), kMaxAppRows);
  EXPECT_EQ(rows[0].title, L"Code");
  EXPECT_EQ(rows[0].score, 1800);
  EXPECT_EQ(rows[1].title, L"Code 1");
  EXPECT_EQ(rows[7].title, L"Code 7");
  EXPECT_EQ(rows[7].kind, ResultKind::App);
  EXPECT_EQ(rows[7].icon, icon::kApp);
  EXPECT_EQ(rows[7].target, L"C:\\Code 7.lnk");
}

}  // namespace
}  // namespace notch::quick
