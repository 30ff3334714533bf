#include "search/browsers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_launch_platform.h"

namespace notch::quick {
namespace {

TEST(BrowserCommandTest, FindsTheProgramOfAnOpenCommand) {
  EXPECT_EQ(BrowserExecutableFromCommand(L"\"C:\\Program Files\\Firefox\\firefox.exe\" -osint -url \"%1\""),
            L"C:\\Program Files\\Firefox\\firefox.exe");
  EXPECT_EQ(BrowserExecutableFromCommand(L"C:\\Program Files\\Opera\\opera.EXE --single-argument %1"),
            L"C:\\Program Files\\Opera\\opera.EXE");
  EXPECT_EQ(BrowserExecutableFromCommand(L"C:\\Tools\\run %1"), L"C:\\Tools\\run");
  EXPECT_EQ(BrowserExecutableFromCommand(L"  \"C:\\unterminated.exe"), L"C:\\unterminated.exe");
}

TEST(BrowserCommandTest, AQuotedArgumentAfterAnUnquotedProgramIsNotTheProgram) {
  EXPECT_EQ(BrowserExecutableFromCommand(L"C:\\Apps\\Browser\\browser.exe -- \"%1\""),
            L"C:\\Apps\\Browser\\browser.exe");
}

class BrowsersTest : public ::testing::Test {
 protected:
  BrowsersTest() {
    platform_.folders = {L"C:\\Users\\ana\\AppData\\Local", L"C:\\Program Files", L"C:\\Program Files (x86)"};
  }

  std::vector<std::pair<std::wstring, std::wstring>> List(std::wstring_view path = L"", std::wstring_view name = L"") {
    std::vector<std::pair<std::wstring, std::wstring>> list;
    for (const BrowserChoice& choice : ListBrowsers(path, name, platform_)) list.emplace_back(choice.name, choice.path);
    return list;
  }

  testing::FakeLaunchPlatform platform_;
};

using Pair = std::pair<std::wstring, std::wstring>;
using ::testing::ElementsAre;

TEST_F(BrowsersTest, ListsTheDefaultThenRegisteredThenKnownBrowsersOnce) {
  platform_.disk.AddFile(L"C:\\Program Files\\Mozilla Firefox\\firefox.exe");
  platform_.disk.AddFile(L"C:\\Users\\ana\\AppData\\Local\\Vivaldi\\Application\\vivaldi.exe");
  platform_.registered = {
      {L"  Firefox  ", L"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\""},
      {L"Firefox again", L"\"c:\\program files\\mozilla firefox\\FIREFOX.EXE\""},
      {L"Uninstalled", L"\"C:\\Gone\\gone.exe\""},
  };
  EXPECT_THAT(
      List(),
      ElementsAre(Pair{L"System default", L""}, Pair{L"Firefox", L"C:\\Program Files\\Mozilla Firefox\\firefox.exe"},
                  Pair{L"Vivaldi", L"C:\\Users\\ana\\AppData\\Local\\Vivaldi\\Application\\vivaldi.exe"}));
}

TEST_F(BrowsersTest, NamesAnUnnamedRegistrationByItsProgram) {
  platform_.disk.AddFile(L"C:\\A\\alpha.exe");
  platform_.disk.AddFile(L"C:\\B\\beta.exe");
  platform_.descriptions[L"C:\\A\\alpha.exe"] = L"Alpha Browser";
  platform_.registered = {{L"", L"C:\\A\\alpha.exe"}, {L" ", L"C:\\B\\beta.exe %1"}};
  EXPECT_THAT(List(), ElementsAre(Pair{L"System default", L""}, Pair{L"Alpha Browser", L"C:\\A\\alpha.exe"},
                                  Pair{L"beta", L"C:\\B\\beta.exe"}));
}

TEST_F(BrowsersTest, AddsTheConfiguredProgramWhenNotListed) {
  platform_.disk.AddFile(L"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe");
  EXPECT_THAT(List(L"D:\\Portable\\Mine.exe", L"My Browser"),
              ElementsAre(Pair{L"System default", L""},
                          Pair{L"Google Chrome", L"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe"},
                          Pair{L"My Browser", L"D:\\Portable\\Mine.exe"}));
  EXPECT_EQ(List(L"c:\\program files\\google\\chrome\\application\\CHROME.exe", L"x").size(), 2u);
}

TEST_F(BrowsersTest, LabelsTheChosenBrowser) {
  platform_.disk.AddFile(L"C:\\A\\alpha.exe");
  platform_.disk.AddFile(L"C:\\B\\beta.exe");
  platform_.descriptions[L"C:\\A\\alpha.exe"] = L"Alpha Browser";
  EXPECT_EQ(BrowserLabel(L"", L"Ignored", platform_), L"Default");
  EXPECT_EQ(BrowserLabel(L"C:\\A\\alpha.exe", L"Mine", platform_), L"Mine");
  EXPECT_EQ(BrowserLabel(L"C:\\A\\alpha.exe", L"", platform_), L"Alpha Browser");
  EXPECT_EQ(BrowserLabel(L"C:\\B\\beta.exe", L"", platform_), L"beta");
  EXPECT_EQ(BrowserLabel(L"C:\\Gone\\gone.exe", L"", platform_), L"gone");
  EXPECT_EQ(BrowserLabel(L"C:\\Gone\\", L"", platform_), L"Custom");
}

}  // namespace
}  // namespace notch::quick
