#include "search/launch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_launch_platform.h"

namespace notch::quick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Call = testing::FakeLaunchPlatform::ShellCall;

SearchResult Row(ResultKind kind, std::wstring title, std::wstring target, std::wstring arguments = {}) {
  return SearchResult{kind, std::move(title), {}, std::move(target), std::move(arguments), icon::kWeb, 0};
}

class LaunchTest : public ::testing::Test {
 protected:
  testing::FakeLaunchPlatform platform_;
};

TEST_F(LaunchTest, OpensLinksWithTheDefaultHandler) {
  EXPECT_TRUE(OpenResult(Row(ResultKind::Link, L"Open x.io", L"https://x.io"), L"", platform_).ok);
  EXPECT_THAT(platform_.shell_calls, ElementsAre(Call{L"https://x.io", L"", L""}));
  platform_.shell_succeeds = false;
  EXPECT_EQ(OpenResult(Row(ResultKind::Web, L"Open Google", L"https://www.google.com/"), L"", platform_).message,
            L"Windows could not open the web link.");
}

TEST_F(LaunchTest, OpensWebResultsInTheChosenBrowser) {
  platform_.disk.AddFile(L"C:\\Apps\\Zen\\zen.exe");
  const SearchResult row = Row(ResultKind::Web, L"Search Google", L"https://www.google.com/search?q=a%20b");
  EXPECT_TRUE(OpenResult(row, L"C:\\Apps\\Zen\\zen.exe", platform_).ok);
  EXPECT_THAT(platform_.shell_calls,
              ElementsAre(Call{L"C:\\Apps\\Zen\\zen.exe", L"\"https://www.google.com/search?q=a%20b\"", L""}));
  platform_.shell_succeeds = false;
  EXPECT_EQ(OpenResult(row, L"C:\\Apps\\Zen\\zen.exe", platform_).message,
            L"Windows could not launch the selected browser.");
}

TEST_F(LaunchTest, AMissingBrowserIsReportedWithoutFallingBack) {
  const LaunchOutcome outcome =
      OpenResult(Row(ResultKind::Link, L"Open x.io", L"https://x.io"), L"C:\\Old\\browser.exe", platform_);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, L"Selected browser app was not found: C:\\Old\\browser.exe");
  EXPECT_THAT(platform_.shell_calls, IsEmpty());
}

TEST_F(LaunchTest, RechecksLinksBeforeOpeningThem) {
  for (const wchar_t* target : {L"javascript:alert(1)", L"file:///C:/Windows", L"https://a b.com"}) {
    const LaunchOutcome outcome = OpenResult(Row(ResultKind::Link, L"Open", target), L"", platform_);
    EXPECT_EQ(outcome.message, L"Enter a valid HTTP or HTTPS link.") << target;
  }
  EXPECT_THAT(platform_.shell_calls, IsEmpty());
}

TEST_F(LaunchTest, CopiesCalculations) {
  EXPECT_TRUE(OpenResult(Row(ResultKind::Calc, L"= 14", L"14"), L"", platform_).ok);
  EXPECT_THAT(platform_.copied, ElementsAre(L"14"));
  platform_.clipboard_succeeds = false;
  EXPECT_EQ(OpenResult(Row(ResultKind::Calc, L"= 14", L"14"), L"", platform_).message,
            L"Could not copy result to clipboard.");
  EXPECT_THAT(platform_.shell_calls, IsEmpty());
}

TEST_F(LaunchTest, OpensEverythingElseWithTheShell) {
  EXPECT_TRUE(OpenResult(Row(ResultKind::App, L"Tool", L"C:\\Tools\\tool.exe", L"--fast"), L"", platform_).ok);
  EXPECT_TRUE(
      OpenResult(Row(ResultKind::Setting, L"Windows Update", L"ms-settings:windowsupdate"), L"x", platform_).ok);
  EXPECT_THAT(platform_.shell_calls,
              ElementsAre(Call{L"C:\\Tools\\tool.exe", L"--fast", L""}, Call{L"ms-settings:windowsupdate", L"", L""}));
  platform_.shell_succeeds = false;
  EXPECT_EQ(OpenResult(Row(ResultKind::File, L"report.pdf", L"D:\\report.pdf"), L"", platform_).message,
            L"Windows could not open report.pdf");
}

TEST(TerminalFolderArgumentTest, NeverEndsInABackslash) {
  EXPECT_EQ(TerminalFolderArgument(L"C:\\"), L"C:\\.");
  EXPECT_EQ(TerminalFolderArgument(L"C:\\Users\\ana\\\\"), L"C:\\Users\\ana");
  EXPECT_EQ(TerminalFolderArgument(L"D:\\Work/"), L"D:\\Work");
  EXPECT_EQ(TerminalFolderArgument(L"\\\\server\\share\\"), L"\\\\server\\share");
}

TEST(TerminalFolderArgumentTest, ASemicolonCannotStartAnotherCommand) {
  EXPECT_EQ(TerminalFolderArgument(L"C:\\x;calc"), L"C:\\x\\;calc");
  EXPECT_EQ(TerminalFolderArgument(L"C:\\a;b;;c\\"), L"C:\\a\\;b\\;\\;c");
  // A name that starts with ";": the separator stays, the escape follows it.
  EXPECT_EQ(TerminalFolderArgument(L"C:\\a\\;b"), L"C:\\a\\\\;b");
  EXPECT_EQ(TerminalFolderArgument(L"D:\\;\\"), L"D:\\\\;");
}

TEST_F(LaunchTest, FoldersWithSemicolonsOrQuotesCannotAddCommands) {
  platform_.search_path[L"wt.exe"] = L"C:\\Tools\\wt.exe";
  platform_.disk.AddFolder(L"C:\\x;calc");
  platform_.disk.AddFolder(L"C:\\x\" -p evil");
  EXPECT_TRUE(OpenTerminalHere(L"C:\\x;calc", platform_).ok);
  EXPECT_EQ(OpenTerminalHere(L"C:\\x\" -p evil", platform_).message, OpenTerminalHere(L"", platform_).message);
  EXPECT_THAT(platform_.shell_calls, ElementsAre(Call{L"C:\\Tools\\wt.exe", L"-d \"C:\\x\\;calc\"", L"C:\\x;calc"}));
}

TEST_F(LaunchTest, OpensWindowsTerminalInAFolderOrAFilesFolder) {
  platform_.folders.local_app_data = L"C:\\Users\\ana\\AppData\\Local";
  platform_.disk.AddFile(L"C:\\Users\\ana\\AppData\\Local\\Microsoft\\WindowsApps\\wt.exe");
  platform_.disk.AddFile(L"D:\\Work\\notes.txt");
  platform_.disk.AddFolder(L"C:\\");
  EXPECT_TRUE(OpenTerminalHere(L"D:\\Work\\notes.txt", platform_).ok);
  EXPECT_TRUE(OpenTerminalHere(L"C:\\", platform_).ok);
  const std::wstring wt = L"C:\\Users\\ana\\AppData\\Local\\Microsoft\\WindowsApps\\wt.exe";
  EXPECT_THAT(platform_.shell_calls,
              ElementsAre(Call{wt, L"-d \"D:\\Work\"", L"D:\\Work"}, Call{wt, L"-d \"C:\\.\"", L"C:\\"}));
}

TEST_F(LaunchTest, FindsWindowsTerminalOnTheSearchPath) {
  platform_.search_path[L"wt.exe"] = L"C:\\Tools\\wt.exe";
  platform_.disk.AddFolder(L"D:\\Work");
  EXPECT_TRUE(OpenTerminalHere(L"D:\\Work", platform_).ok);
  EXPECT_THAT(platform_.shell_calls, ElementsAre(Call{L"C:\\Tools\\wt.exe", L"-d \"D:\\Work\"", L"D:\\Work"}));
}

TEST_F(LaunchTest, FallsBackToPowerShellInTheFolder) {
  platform_.disk.AddFolder(L"D:\\Work");
  EXPECT_TRUE(OpenTerminalHere(L"D:\\Work", platform_).ok);
  EXPECT_THAT(platform_.shell_calls, ElementsAre(Call{L"powershell.exe", L"-NoExit", L"D:\\Work"}));
  platform_.shell_succeeds = false;
  EXPECT_EQ(OpenTerminalHere(L"D:\\Work", platform_).message, L"Windows could not open Terminal for this folder.");
}

TEST_F(LaunchTest, RefusesATerminalWithoutAFolder) {
  for (const wchar_t* path : {L"", L"D:\\missing", L"https://x.io"}) {
    EXPECT_EQ(OpenTerminalHere(path, platform_).message, L"Selected item is not a valid folder.") << path;
  }
  EXPECT_THAT(platform_.shell_calls, IsEmpty());
}

}  // namespace
}  // namespace notch::quick
