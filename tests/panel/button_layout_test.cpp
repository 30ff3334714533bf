#include "panel/button_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "panel/panel_fakes.h"

namespace notch::quick {
namespace {

class ButtonTextsTest : public testing::EnglishTextsTest {};

// Buttons by key, to keep the expectations readable.
int B(const wchar_t* key) { return *ButtonFromKey(key); }

using testing::MemoryStore;

TEST(ButtonLayoutTest, CatalogueKeysAndIdsAreUniqueAndExact) {
  std::set<std::wstring> keys;
  std::set<int> ids;
  for (const ButtonInfo& info : ButtonCatalogue()) {
    keys.insert(info.key);
    ids.insert(info.id);
  }
  EXPECT_EQ(keys.size(), 16u);
  EXPECT_EQ(ids.size(), 16u);
  EXPECT_EQ(ButtonFromKey(L"hotspot"), 7);
  EXPECT_EQ(ButtonCatalogue()[7].id, 138);
  EXPECT_EQ(ButtonCatalogue()[0].id, 139);
  EXPECT_FALSE(ButtonFromKey(L"Home").has_value());
  EXPECT_FALSE(ButtonFromKey(L" home").has_value());
  EXPECT_FALSE(ButtonFromKey(L"").has_value());
  EXPECT_EQ(ButtonOfTile(138), 7);
  EXPECT_EQ(ButtonOfTile(139), 0);
  EXPECT_FALSE(ButtonOfTile(142).has_value());  // Customize is no button of the catalogue
}

TEST_F(ButtonTextsTest, ButtonTextsAreTranslated) {
  EXPECT_EQ(ButtonTooltip(B(L"home")), L"Home");
  EXPECT_EQ(ButtonTooltip(B(L"clipboard")), L"Clipboard history");
  EXPECT_EQ(ButtonShortName(B(L"clipboard")), L"Clipboard");
  EXPECT_EQ(ButtonTooltip(B(L"search")), L"Search apps and files");
  EXPECT_EQ(ButtonShortName(B(L"search")), L"Search");
  EXPECT_EQ(ButtonTooltip(B(L"hotspot")), L"Hotspot");
  EXPECT_EQ(ButtonTooltip(B(L"play")), L"Play or pause");
  EXPECT_EQ(ButtonShortName(B(L"lyrics")), L"Lyrics");
  EXPECT_EQ(ButtonTooltip(99), L"");
}

TEST(ButtonLayoutTest, DefaultLayoutSerialisesAsDocumented) {
  EXPECT_EQ(SerializeLayout(DefaultLayout()),
            L"home,timer,clipboard,shelf,system|wifi,bluetooth,hotspot,sound,display,search,notch,previous,play,"
            L"next,lyrics");
  EXPECT_TRUE(IsDefaultLayout(ParseLayout(SerializeLayout(DefaultLayout()))));
}

TEST(ButtonLayoutTest, EmptyOrBarlessValuesGiveTheDefault) {
  EXPECT_EQ(ParseLayout(L""), DefaultLayout());
  EXPECT_EQ(ParseLayout(L"home,timer"), DefaultLayout());
  EXPECT_EQ(ParseLayout(L"wifi"), DefaultLayout());
}

TEST(ButtonLayoutTest, RepeatedAndUnknownTokensAreSkippedAndMissingButtonsAppended) {
  const Layout repeated = ParseLayout(L"wifi,wifi,home|");
  EXPECT_EQ(repeated.header, (std::vector<int>{B(L"wifi"), B(L"home")}));
  EXPECT_EQ(repeated.panel, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));

  const Layout unknown = ParseLayout(L"bogus|Wifi");
  EXPECT_TRUE(unknown.header.empty());
  EXPECT_EQ(unknown.panel.size(), 16u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(unknown.panel[static_cast<std::size_t>(i)], i);

  // A key seen in the header is skipped in the panel; empty tokens and
  // spaces are not keys; only the first bar splits.
  const Layout mixed = ParseLayout(L"timer,,sound | |timer,sound,play|next");
  EXPECT_EQ(mixed.header, (std::vector<int>{B(L"timer")}));
  EXPECT_EQ(mixed.panel.front(), B(L"sound"));
  EXPECT_EQ(std::count(mixed.panel.begin(), mixed.panel.end(), B(L"next")), 1);
}

TEST(ButtonLayoutTest, HeaderOverflowGoesToTheFrontOfThePanel) {
  const Layout layout = ParseLayout(L"home,timer,clipboard,shelf,system,wifi,bluetooth,hotspot|sound,lyrics");
  EXPECT_EQ(layout.header, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(layout.panel, (std::vector<int>{6, 7, 8, 15, 9, 10, 11, 12, 13, 14}));
  EXPECT_EQ(ParseLayout(SerializeLayout(layout)), layout);
}

TEST(ButtonLayoutTest, RoundTripsKeepEveryLayout) {
  const Layout layout{{15, 3}, {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}};
  EXPECT_EQ(SerializeLayout(layout),
            L"lyrics,shelf|home,timer,clipboard,system,wifi,bluetooth,hotspot,sound,display,"
            L"search,notch,previous,play,next");
  EXPECT_EQ(ParseLayout(SerializeLayout(layout)), layout);
  const Layout empty_header{{}, DefaultLayout().panel};
  EXPECT_EQ(ParseLayout(L"|"), (Layout{{}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}));
  EXPECT_FALSE(IsDefaultLayout(empty_header));
}

TEST(ButtonLayoutTest, PanelRowCountRoundsUp) {
  EXPECT_EQ(PanelRowCount(DefaultLayout()), 2);
  EXPECT_EQ(PanelRowCount(Layout{{0, 1, 2, 3}, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}), 2);
  EXPECT_EQ(PanelRowCount(Layout{{0, 1, 2}, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}), 3);
  EXPECT_EQ(PanelRowCount(Layout{}), 0);
}

TEST(ButtonLayoutTest, MoveWithinAListSkipsTheNoOpPositions) {
  const Layout layout = DefaultLayout();
  EXPECT_FALSE(MovedLayout(layout, 2, true, 2).has_value());
  EXPECT_FALSE(MovedLayout(layout, 2, true, 3).has_value());
  EXPECT_EQ(MovedLayout(layout, 2, true, 0)->header, (std::vector<int>{2, 0, 1, 3, 4}));
  EXPECT_EQ(MovedLayout(layout, 2, true, 5)->header, (std::vector<int>{0, 1, 3, 4, 2}));
  EXPECT_EQ(MovedLayout(layout, 0, true, 2)->header, (std::vector<int>{1, 0, 2, 3, 4}));
  EXPECT_EQ(MovedLayout(layout, 15, false, 0)->panel.front(), 15);
  EXPECT_FALSE(MovedLayout(layout, 2, true, 6).has_value());
  EXPECT_FALSE(MovedLayout(layout, 2, true, -1).has_value());
}

TEST(ButtonLayoutTest, MoveBetweenListsRespectsTheFullHeader) {
  const Layout layout = DefaultLayout();
  const auto up = MovedLayout(layout, 8, true, 1);
  ASSERT_TRUE(up.has_value());
  EXPECT_EQ(up->header, (std::vector<int>{0, 8, 1, 2, 3, 4}));
  EXPECT_EQ(up->panel.size(), 10u);
  EXPECT_FALSE(MovedLayout(*up, 9, true, 6).has_value());
  EXPECT_FALSE(MovedLayout(*up, 9, true, 0).has_value());
  const auto down = MovedLayout(*up, 0, false, 10);
  ASSERT_TRUE(down.has_value());
  EXPECT_EQ(down->panel.back(), 0);
  EXPECT_EQ(down->header.size(), 5u);
  EXPECT_FALSE(MovedLayout(layout, 99, true, 0).has_value());
}

TEST_F(ButtonTextsTest, SaveReplacesTheLayoutOnlyWhenTheWriteSucceeds) {
  MemoryStore store;
  store.values[L"button_layout"] = L"lyrics|";
  Settings settings(store);
  LayoutStore layouts(settings);
  EXPECT_EQ(layouts.Current().header, (std::vector<int>{15}));

  const auto moved = layouts.Move(3, true, 0);
  ASSERT_TRUE(moved.has_value());
  EXPECT_TRUE(moved->saved);
  EXPECT_EQ(moved->status, L"Layout saved.");
  EXPECT_EQ(store.values[L"button_layout"].substr(0, 13), L"shelf,lyrics|");
  EXPECT_EQ(layouts.Current().header, (std::vector<int>{3, 15}));

  // Dropping a chip next to itself writes nothing.
  const int writes = store.writes;
  EXPECT_FALSE(layouts.Move(3, true, 1).has_value());
  EXPECT_EQ(store.writes, writes);

  store.fail_writes = true;
  const auto failed = layouts.Save(DefaultLayout(), LayoutStore::SaveKind::Reset);
  EXPECT_FALSE(failed.saved);
  EXPECT_EQ(failed.status, L"Couldn\u2019t save the button layout.");
  EXPECT_EQ(layouts.Current().header, (std::vector<int>{3, 15}));

  store.fail_writes = false;
  const auto reset = layouts.Save(DefaultLayout(), LayoutStore::SaveKind::Reset);
  EXPECT_EQ(reset.status, L"Default layout restored.");
  EXPECT_TRUE(IsDefaultLayout(layouts.Current()));
  EXPECT_EQ(store.values[L"button_layout"], SerializeLayout(DefaultLayout()));
}

TEST(ButtonLayoutTest, HeaderButtonsFollowTheCatalogue) {
  EXPECT_EQ(HeaderButtonAction(0), HeaderAction::IslandMedia);
  EXPECT_EQ(HeaderButtonAction(4), HeaderAction::IslandStatistics);
  EXPECT_EQ(HeaderButtonAction(7), HeaderAction::OpenHomeAndToggleHotspot);
  EXPECT_EQ(HeaderButtonAction(10), HeaderAction::OpenQuickSearch);
  EXPECT_EQ(HeaderButtonAction(11), HeaderAction::OpenNotchSettings);
  EXPECT_EQ(HeaderButtonAction(15), HeaderAction::ToggleLyrics);
}

TEST(ButtonLayoutTest, HomeGridFillsRowSlotsWithIntegerSpans) {
  const auto tiles = HomeTileGrid(DefaultLayout().panel);  // 11 buttons: rows of 3, 2, 2, 3, 1
  ASSERT_EQ(tiles.size(), 11u);
  EXPECT_EQ(tiles[0], (HomeTileRect{5, 101, 12, 8, 56, 46}));
  EXPECT_EQ(tiles[2], (HomeTileRect{7, 138, 100, 8, 144, 46}));
  EXPECT_EQ(tiles[4], (HomeTileRect{9, 104, 192, 8, 232, 46}));
  EXPECT_EQ(tiles[5], (HomeTileRect{10, 106, 12, 54, 122, 88}));
  EXPECT_EQ(tiles[10], (HomeTileRect{15, 112, 192, 96, 232, 134}));
  EXPECT_EQ(HomeTileRows(DefaultLayout().panel), 5);
  EXPECT_EQ(HomePageHeight(DefaultLayout().panel), 164);

  std::vector<int> all(16);
  for (int i = 0; i < 16; ++i) all[static_cast<std::size_t>(i)] = i;
  const auto full = HomeTileGrid(all);  // rows of 3, 2, 4, 3, 1, 3
  ASSERT_EQ(full.size(), 16u);
  EXPECT_EQ(full[5].right, 67);  // 12 + 220 / 4
  EXPECT_EQ(full[6].left, 67);
  EXPECT_EQ(full[13].top, 142);
  EXPECT_EQ(full[14].right, 12 + 2 * 220 / 3);
  EXPECT_EQ(full[15].right, 232);
  EXPECT_EQ(HomePageHeight(all), 204);

  const auto few = HomeTileGrid({4});
  ASSERT_EQ(few.size(), 1u);
  EXPECT_EQ(few[0], (HomeTileRect{4, 141, 12, 8, 144, 46}));
  EXPECT_TRUE(HomeTileGrid({}).empty());
}

TEST(ButtonLayoutTest, EveryButtonHasAnIcon) {
  for (int i = 0; i < 16; ++i) EXPECT_NE(ButtonIconPath(i, false, false), nullptr);
  EXPECT_STRNE(ButtonIconPath(13, true, true), ButtonIconPath(13, false, true));
  EXPECT_STRNE(ButtonIconPath(15, true, true), ButtonIconPath(15, true, false));
  EXPECT_EQ(ButtonIconPath(16, false, false), nullptr);
}

TEST_F(ButtonTextsTest, CustomizeTextsAndChips) {
  EXPECT_EQ(SlotsUsedText(DefaultLayout()), L"5 / 6 slots used");
  EXPECT_EQ(CustomizeHint(), L"Ctrl + \u2190/\u2192 to reorder  \u00b7  Ctrl + \u2191/\u2193 to move between sections");
  EXPECT_EQ(ChipRect(0, true), (DipRect{21, 86, 51, 44}));
  EXPECT_EQ(ChipRect(7, false), (DipRect{76, 214, 51, 44}));
  EXPECT_EQ(DragStatus(std::nullopt), L"Drag to a section to place the button.");
  EXPECT_EQ(DragStatus(DropTarget{true, 0, true}), L"Release to place in the notch header.");
  EXPECT_EQ(DragStatus(DropTarget{false, 0, true}), L"Release to place in Quick Controls.");
  EXPECT_EQ(DragStatus(DropTarget{true, 0, false}), L"The notch header is full.");
  EXPECT_EQ(HeaderFullMessage(), L"The notch header is full. Move a button out first.");
}

TEST(ButtonLayoutTest, DragStartsFourDipsAway) {
  EXPECT_FALSE(DragStarts(3, -3, 96));
  EXPECT_TRUE(DragStarts(-4, 0, 96));
  EXPECT_TRUE(DragStarts(0, 4, 96));
  EXPECT_FALSE(DragStarts(5, 5, 192));
  EXPECT_TRUE(DragStarts(0, -8, 192));
}

TEST(ButtonLayoutTest, DropTargetsFollowZonesColumnsAndListSizes) {
  const Layout layout = DefaultLayout();
  EXPECT_FALSE(DropTargetAt(layout, 8, 14, 100, 96).has_value());
  EXPECT_FALSE(DropTargetAt(layout, 8, 356, 100, 96).has_value());
  EXPECT_FALSE(DropTargetAt(layout, 8, 100, 79, 96).has_value());
  EXPECT_FALSE(DropTargetAt(layout, 8, 100, 134, 96).has_value());
  EXPECT_FALSE(DropTargetAt(layout, 8, 100, 159, 96).has_value());
  EXPECT_FALSE(DropTargetAt(layout, 8, 100, 262, 96).has_value());  // 166 + 2 * 48

  EXPECT_EQ(DropTargetAt(layout, 8, 15, 80, 96), (DropTarget{true, 0, true}));
  EXPECT_EQ(DropTargetAt(layout, 8, 49, 133, 96), (DropTarget{true, 1, true}));    // (49 + 6) / 55
  EXPECT_EQ(DropTargetAt(layout, 8, 355, 100, 96), (DropTarget{true, 5, true}));   // past the end
  EXPECT_EQ(DropTargetAt(layout, 8, 160, 160, 96), (DropTarget{false, 3, true}));  // row clamped to 0
  EXPECT_EQ(DropTargetAt(layout, 8, 49, 214, 96), (DropTarget{false, 7, true}));
  EXPECT_EQ(DropTargetAt(layout, 8, 355, 261, 96), (DropTarget{false, 11, true}));
  // Pixels at 192 DPI are halved first.
  EXPECT_EQ(DropTargetAt(layout, 8, 98, 428, 192), (DropTarget{false, 7, true}));

  const Layout full{{0, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
  EXPECT_EQ(DropTargetAt(full, 8, 100, 100, 96), (DropTarget{true, 1, false}));
  EXPECT_EQ(DropTargetAt(full, 1, 100, 100, 96), (DropTarget{true, 1, true}));  // reordering the header
}

TEST(ButtonLayoutTest, KeyboardMovesChipsWithinAndBetweenLists) {
  const Layout layout = DefaultLayout();
  EXPECT_EQ(ChipKeyMove(layout, 0, ChipKey::Left), KeyMove{});
  EXPECT_EQ(ChipKeyMove(layout, 2, ChipKey::Left), (KeyMove{KeyMove::Kind::Move, true, 1}));
  EXPECT_EQ(ChipKeyMove(layout, 2, ChipKey::Right), (KeyMove{KeyMove::Kind::Move, true, 4}));
  EXPECT_EQ(ChipKeyMove(layout, 4, ChipKey::Right), KeyMove{});
  EXPECT_EQ(ChipKeyMove(layout, 15, ChipKey::Right), KeyMove{});
  EXPECT_EQ(ChipKeyMove(layout, 5, ChipKey::Up), (KeyMove{KeyMove::Kind::Move, true, 5}));
  EXPECT_EQ(ChipKeyMove(layout, 2, ChipKey::Up), KeyMove{});
  EXPECT_EQ(ChipKeyMove(layout, 2, ChipKey::Down), (KeyMove{KeyMove::Kind::Move, false, 11}));
  EXPECT_EQ(ChipKeyMove(layout, 5, ChipKey::Down), KeyMove{});
  const Layout full{{0, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
  EXPECT_EQ(ChipKeyMove(full, 6, ChipKey::Up).kind, KeyMove::Kind::HeaderFull);

  // Each key move, applied, moves the chip exactly one place.
  const KeyMove right = ChipKeyMove(layout, 2, ChipKey::Right);
  EXPECT_EQ(MovedLayout(layout, 2, right.to_header, right.index)->header, (std::vector<int>{0, 1, 3, 2, 4}));
  const KeyMove left = ChipKeyMove(layout, 2, ChipKey::Left);
  EXPECT_EQ(MovedLayout(layout, 2, left.to_header, left.index)->header, (std::vector<int>{0, 2, 1, 3, 4}));
}

}  // namespace
}  // namespace notch::quick

namespace notch::quick {
namespace {

TEST(ButtonLayoutTest, TheInsertionMarkerSitsInTheGapBeforeTheIndex) {
  EXPECT_EQ(InsertionMarker({true, 0, true}), (DipRect{17, 86, 3, 44}));
  EXPECT_EQ(InsertionMarker({true, 2, false}), (DipRect{127, 86, 3, 44}));
  // Index 6 ends the first panel row rather than starting the second.
  EXPECT_EQ(InsertionMarker({false, 6, true}), (DipRect{347, 166, 3, 44}));
  EXPECT_EQ(InsertionMarker({false, 7, true}), (DipRect{72, 214, 3, 44}));
  EXPECT_EQ(ChipRect(5, false).x + ChipRect(5, false).w, 347);
}

}  // namespace
}  // namespace notch::quick
