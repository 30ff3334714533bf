#include "panel/search_page.h"

#include <gtest/gtest.h>

#include "search_fakes.h"

namespace notch::quick {
namespace {

using testing::Row;
using testing::SearchRig;

class SearchPageTest : public testing::EnglishTextsTest {
 protected:
  SearchRig rig;
  QuickPanel& panel = rig.panel;
  testing::FakeSearchView& view = rig.view;
  testing::FakeSearchPorts& ports = rig.ports;

  void OpenSearch() {
    panel.OpenQuickSearch();
    rig.Open();
  }
  void Type(const std::wstring& text) {
    rig.window.texts[control::kSearchEdit] = text;
    panel.Command(control::kSearchEdit, QuickPanel::Notification::EditChange);
  }
  void Wait(double ms) {
    rig.window.clock_.Advance(ms);
    panel.Tick();
  }
  // Runs the held deep search and lets Tick take its continuation.
  void FinishDeepSearch() {
    ASSERT_EQ(rig.launcher.jobs.size(), 1u);
    rig.launcher.RunNext();
    panel.Tick();
  }
  std::wstring Status() const { return rig.window.Text(control::kStatus); }
};

TEST_F(SearchPageTest, SetupFillsOnceForTheEmptyQueryAndAsksForTheIndexes) {
  ports.instant = [](std::wstring_view q) {
    return q.empty() ? std::vector<SearchResult>{} : std::vector<SearchResult>{Row(ResultKind::App, L"x", L"x", 1)};
  };
  OpenSearch();
  EXPECT_EQ(panel.page(), Page::Search);
  EXPECT_EQ(ports.ensure_calls, 1);
  EXPECT_EQ(view.fills, 1);
  EXPECT_EQ(rig.window.Text(control::kSubtitle), L"Apps, files, and the web");
  EXPECT_EQ(rig.window.Text(control::kDefaultBrowser), L"Firefox");
  EXPECT_EQ(view.placeholder, L"Type to search apps, files, or web shortcuts\u2026");
  EXPECT_EQ(Status(), L"Try a file name, \u201Ctopic yt\u201D, or \u201C2+2\u201D.");
  EXPECT_FALSE(rig.window.enabled[control::kAct]);
  // No results: one row high.
  EXPECT_EQ(panel.size(), (PanelSize{428, 224}));
  EXPECT_EQ(view.moved[control::kList], (DipRect{20, 113, 388, 36}));

  // Each later visit refreshes the indexes again (the engine decides whether one is due).
  panel.Command(control::kSettings);
  panel.Command(control::kBack);
  EXPECT_EQ(ports.ensure_calls, 2);
}

TEST_F(SearchPageTest, HotKeyOpeningPutsTheFocusInTheBoxOnceThePanelShows) {
  OpenSearch();  // the first setup runs while the window is still hidden
  EXPECT_NE(rig.window.focused, control::kSearchEdit);
  panel.Tick();
  EXPECT_EQ(rig.window.focused, control::kSearchEdit);
}

TEST_F(SearchPageTest, OneCharacterSearchesInstantlyOnlyAndTwoStartTheDeepSearchAfterTwentyQuietMs) {
  OpenSearch();
  Type(L"a");
  EXPECT_EQ(ports.instant_calls, 2);
  EXPECT_FALSE(view.debounce);
  Wait(500);
  EXPECT_TRUE(rig.launcher.jobs.empty());
  EXPECT_FALSE(panel.search().deep_pending());

  Type(L"ab");
  EXPECT_TRUE(view.debounce);
  Wait(10);
  Type(L"abc");  // the quiet period starts again
  Wait(19);
  EXPECT_TRUE(rig.launcher.jobs.empty());
  Wait(1);
  EXPECT_EQ(rig.launcher.jobs.size(), 1u);
  EXPECT_FALSE(view.debounce);
  FinishDeepSearch();
  EXPECT_EQ(ports.deep_queries, (std::vector<std::wstring>{L"abc"}));

  // The same text again (a repeated change notification) does nothing.
  const int calls = ports.instant_calls;
  Type(L"abc");
  EXPECT_EQ(ports.instant_calls, calls);
  Wait(100);
  EXPECT_TRUE(rig.launcher.jobs.empty());
}

TEST_F(SearchPageTest, DeepResultsForAnOlderQueryAreDropped) {
  ports.deep = {Row(ResultKind::File, L"late.txt", L"C:\\late.txt", 900)};
  OpenSearch();
  Type(L"la");
  Wait(20);
  ASSERT_EQ(rig.launcher.jobs.size(), 1u);
  Type(L"lat");  // cancels the running search
  rig.launcher.RunNext();
  panel.Tick();
  EXPECT_TRUE(view.rows.empty());
  // A continuation that still carries the old query is ignored too.
  panel.search().DeepResults(L"la", ports.deep);
  EXPECT_TRUE(view.rows.empty());
  // The next search starts once the slot is free and runs for the new text.
  Wait(20);
  FinishDeepSearch();
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].title, L"late.txt");
  // Shortened below two characters: the deep rows go.
  Type(L"l");
  EXPECT_TRUE(view.rows.empty());
}

TEST_F(SearchPageTest, MergesDeepRowsWithoutDuplicatesAndRanksAgain) {
  ports.instant = [](std::wstring_view) {
    return std::vector<SearchResult>{Row(ResultKind::File, L"report.pdf", L"C:\\Docs\\Report.pdf", 600),
                                     Row(ResultKind::Web, L"Search Google", L"https://g/?q=re", 120)};
  };
  ports.deep = {Row(ResultKind::File, L"report.pdf", L"c:\\docs\\report.PDF", 640),
                Row(ResultKind::Folder, L"Reports", L"D:\\Reports", 300)};
  OpenSearch();
  Type(L"re");
  Wait(20);
  FinishDeepSearch();
  ASSERT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(view.rows[0].item_text, L"report.pdf  \u00B7  ~\\Documents");
  EXPECT_EQ(view.rows[0].right, L"File");
  EXPECT_EQ(view.rows[1].title, L"Reports");
  EXPECT_EQ(view.rows[1].right, L"Folder");
  EXPECT_EQ(view.rows[2].right, L"Web");
  EXPECT_EQ(panel.size(), (PanelSize{428, 188 + 3 * 36}));
}

TEST_F(SearchPageTest, ListShowsAtMostFiveRowsKeepsTwentyFourAndMovesTheControlsBelowIt) {
  int count = 7;
  ports.instant = [&count](std::wstring_view) {
    std::vector<SearchResult> rows;
    for (int i = 0; i < count; ++i)
      rows.push_back(Row(ResultKind::App, L"App", L"C:\\a" + std::to_wstring(i), 100 - i));
    return rows;
  };
  OpenSearch();
  const int changes = rig.island.size_changes;
  Type(L"ap");
  EXPECT_EQ(view.rows.size(), 7u);
  EXPECT_EQ(panel.search().rows(), 5);
  EXPECT_EQ(panel.size(), (PanelSize{428, 368}));
  EXPECT_EQ(rig.island.size_changes, changes);  // already sized for five rows
  EXPECT_EQ(view.moved[control::kList], (DipRect{20, 113, 388, 180}));
  EXPECT_EQ(view.moved[control::kAct], (DipRect{16, 306, 84, 30}));
  EXPECT_EQ(view.moved[control::kTerminal], (DipRect{106, 306, 104, 30}));
  EXPECT_EQ(view.moved[control::kStatus], (DipRect{16, 343, 396, 16}));

  count = 30;
  Type(L"app");
  EXPECT_EQ(view.rows.size(), 24u);

  count = 0;
  Type(L"zzz");
  EXPECT_EQ(panel.size(), (PanelSize{428, 224}));
  EXPECT_EQ(rig.island.size_changes, changes + 1);
  EXPECT_EQ(view.placeholder, L"No matching apps, files, or settings.");
  EXPECT_EQ(view.moved[control::kAct], (DipRect{16, 162, 84, 30}));
}

TEST_F(SearchPageTest, SelectionFollowsItsRowAcrossARefillButTypingSelectsTheFirst) {
  ports.instant = [](std::wstring_view) {
    return std::vector<SearchResult>{Row(ResultKind::App, L"One", L"C:\\one", 500),
                                     Row(ResultKind::App, L"Two", L"C:\\two", 400)};
  };
  ports.deep = {Row(ResultKind::File, L"Top", L"C:\\top", 900)};
  OpenSearch();
  Type(L"tw");
  EXPECT_EQ(view.selection, 0);
  view.selection = 1;  // the user picks "Two"
  panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  Wait(20);
  FinishDeepSearch();
  ASSERT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(view.rows[view.selection].title, L"Two");
  Type(L"two");
  EXPECT_EQ(view.selection, 0);
}

TEST_F(SearchPageTest, UpAndDownMoveWithinTheListOnlyFromTheSearchBox) {
  ports.instant = [](std::wstring_view) {
    return std::vector<SearchResult>{Row(ResultKind::App, L"A", L"a", 3), Row(ResultKind::App, L"B", L"b", 2),
                                     Row(ResultKind::Calc, L"= 4", L"4", 1)};
  };
  OpenSearch();
  Type(L"x");
  view.selection = -1;
  EXPECT_TRUE(panel.Key(PanelKey::Up, control::kSearchEdit));
  EXPECT_EQ(view.selection, 0);
  EXPECT_TRUE(panel.Key(PanelKey::Up, control::kSearchEdit));
  EXPECT_EQ(view.selection, 0);
  for (int i = 0; i < 4; ++i) panel.Key(PanelKey::Down, control::kSearchEdit);
  EXPECT_EQ(view.selection, 2);
  // The selection change updated the button and hint for the calculator row.
  EXPECT_EQ(rig.window.Text(control::kAct), L"Copy");
  EXPECT_EQ(Status(), L"Enter to copy the result");
  EXPECT_FALSE(panel.Key(PanelKey::Down, control::kList));
  EXPECT_EQ(view.selection, 2);
}

TEST_F(SearchPageTest, ButtonsAndHintsFollowTheSelectedRowAndTheSlot) {
  ports.instant = [](std::wstring_view q) {
    if (q == L"doc") return std::vector<SearchResult>{Row(ResultKind::File, L"a.txt", L"C:\\a.txt", 5)};
    return std::vector<SearchResult>{Row(ResultKind::App, L"Paint", L"C:\\paint.lnk", 5)};
  };
  OpenSearch();
  Type(L"doc");
  EXPECT_EQ(rig.window.Text(control::kAct), L"Open");
  EXPECT_TRUE(rig.window.enabled[control::kTerminal]);
  EXPECT_EQ(Status(), L"Enter to open  \u00B7  Ctrl+T for Terminal");
  // While the deep search runs, the open button waits.
  Wait(20);
  panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  EXPECT_FALSE(rig.window.enabled[control::kAct]);
  FinishDeepSearch();
  EXPECT_TRUE(rig.window.enabled[control::kAct]);

  Type(L"pa");
  EXPECT_FALSE(rig.window.enabled[control::kTerminal]);
  EXPECT_EQ(Status(), L"Enter to open the selected result");
}

TEST_F(SearchPageTest, EnterOpensTheSelectedRowAndReportsWhatHappened) {
  std::vector<SearchResult> rows;
  ports.instant = [&rows](std::wstring_view) { return rows; };
  OpenSearch();

  rows = {Row(ResultKind::Calc, L"= 14", L"14", 2600)};
  Type(L"2+3*4");
  EXPECT_TRUE(panel.Key(PanelKey::Enter, control::kSearchEdit));
  EXPECT_EQ(Status(), L"Copied 14 to clipboard.");
  EXPECT_EQ(rig.island.collapses, 0);

  rows = {Row(ResultKind::App, L"Paint", L"C:\\paint.lnk", 5)};
  Type(L"paint");
  ports.open_outcome = {false, L""};
  panel.Command(control::kAct);
  EXPECT_EQ(Status(), L"Could not open the selected item.");
  ports.open_outcome = {false, L"Windows could not open Paint"};
  panel.Command(control::kList, QuickPanel::Notification::ListDoubleClick);
  EXPECT_EQ(Status(), L"Windows could not open Paint");
  ports.open_outcome = {true, L""};
  EXPECT_TRUE(panel.Key(PanelKey::Enter, control::kList));
  EXPECT_EQ(rig.island.collapses, 1);
  EXPECT_EQ(ports.opened.size(), 4u);

  // Enter elsewhere, or with nothing selected, opens nothing.
  EXPECT_FALSE(panel.Key(PanelKey::Enter, control::kAct));
  view.selection = -1;
  panel.Key(PanelKey::Enter, control::kSearchEdit);
  EXPECT_EQ(ports.opened.size(), 4u);

  // A page of the program opens in the panel, not through the launcher.
  rows = {Row(ResultKind::Setting, L"Wi-Fi Controls", L"notch:wifi", 900)};
  Type(L"wifi");
  panel.Key(PanelKey::Enter, control::kSearchEdit);
  EXPECT_EQ(panel.page(), Page::WiFi);
  EXPECT_EQ(ports.opened.size(), 4u);
}

TEST_F(SearchPageTest, TerminalNeedsAFolderAndCollapsesOnlyWhenItStarted) {
  std::vector<SearchResult> rows = {Row(ResultKind::App, L"Paint", L"C:\\paint.lnk", 5)};
  ports.instant = [&rows](std::wstring_view) { return rows; };
  OpenSearch();
  Type(L"pa");
  EXPECT_TRUE(panel.Key(PanelKey::CtrlT, control::kSearchEdit));
  EXPECT_EQ(Status(), L"Select a folder or file for Terminal.");
  EXPECT_TRUE(ports.terminals.empty());

  rows = {Row(ResultKind::File, L"a.txt", L"C:\\work\\a.txt", 5)};
  Type(L"a.");
  ports.terminal_outcome = {false, L"Windows could not open Terminal for this folder."};
  panel.Command(control::kTerminal);
  EXPECT_EQ(Status(), L"Windows could not open Terminal for this folder.");
  ports.terminal_outcome = {true, L""};
  panel.Key(PanelKey::CtrlT, control::kList);
  EXPECT_EQ(rig.island.collapses, 1);
  EXPECT_EQ(ports.terminals, (std::vector<std::wstring>{L"C:\\work\\a.txt", L"C:\\work\\a.txt"}));
}

TEST(SearchRowsTest, FolderOfARowAndItsKey) {
  EXPECT_EQ(ResultFolder(testing::Row(ResultKind::File, L"a", L"C:\\a.txt", 0)), L"C:\\");
  EXPECT_EQ(ResultFolder(testing::Row(ResultKind::File, L"a", L"C:\\x\\a.txt", 0)), L"C:\\x");
  EXPECT_EQ(ResultFolder(testing::Row(ResultKind::Folder, L"x", L"D:\\x", 0)), L"D:\\x");
  EXPECT_EQ(ResultFolder(testing::Row(ResultKind::Web, L"w", L"https://a/b", 0)), L"");
  EXPECT_EQ(ResultFolder(testing::Row(ResultKind::File, L"a", L"a.txt", 0)), L"");
  SearchResult with_arguments = testing::Row(ResultKind::App, L"a", L"C:\\A.exe", 0);
  with_arguments.arguments = L"-x";
  EXPECT_EQ(ResultKey(testing::Row(ResultKind::App, L"a", L"C:\\A.exe", 0)),
            ResultKey(testing::Row(ResultKind::File, L"b", L"c:\\a.EXE", 9)));
  EXPECT_NE(ResultKey(with_arguments), ResultKey(testing::Row(ResultKind::App, L"a", L"C:\\A.exe", 0)));
}

}  // namespace
}  // namespace notch::quick
