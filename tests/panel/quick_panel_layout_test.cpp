// The panel's side of the button layout: Home and Customize pages built from
// the stored layout, the chip drag and keyboard moves, saving with its
// messages, and the island header's button actions.
#include <gtest/gtest.h>

#include "panel/button_layout.h"
#include "panel/panel_fakes.h"
#include "panel/quick_panel.h"
#include "shell/ilha/island_types.h"

namespace notch::quick {
namespace {

using testing::MemoryStore;

int B(const wchar_t* key) { return *ButtonFromKey(key); }
int Chip(const wchar_t* key) { return kChipBaseId + B(key); }

const PanelControl* Find(const PageLayout& layout, int id) {
  for (const PanelControl& c : layout.controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

class PanelLayoutTest : public testing::EnglishTextsTest {
 protected:
  void SetUp() override {
    testing::EnglishTextsTest::SetUp();
    rig.host.layouts = &layouts;
  }
  void OpenCustomize(const std::wstring& value) {
    if (!value.empty()) store.values[std::wstring(setting::kButtonLayout)] = value;
    rig.Open();
    panel.Command(control::kCustomize);
  }
  std::wstring Stored() const { return store.values.at(std::wstring(setting::kButtonLayout)); }
  std::wstring Status() const { return rig.window.Text(control::kStatus); }

  MemoryStore store;
  Settings settings{store};
  LayoutStore layouts{settings};
  testing::PanelRig rig;
  QuickPanel& panel = rig.panel;
};

constexpr wchar_t kFullHeader[] = L"home,timer,clipboard,shelf,system,wifi|";

TEST_F(PanelLayoutTest, HomeAndCustomizePagesFollowTheStoredLayout) {
  // Everything in the panel: six tile rows and the taller Home page.
  store.values[std::wstring(setting::kButtonLayout)] = L"|lyrics";
  rig.Open();
  const PageLayout& home = rig.window.created.back();
  EXPECT_EQ(home.size, (PanelSize{244, 204}));
  ASSERT_NE(Find(home, control::kLyrics), nullptr);
  EXPECT_EQ(Find(home, control::kLyrics)->rect, (DipRect{12, 8, 44, 38}));  // lyrics first, row 0 of 3
  EXPECT_NE(Find(home, control::kMediaPage), nullptr);

  panel.Command(control::kCustomize);
  const PageLayout& customize = rig.window.created.back();
  EXPECT_EQ(customize.size, (PanelSize{372, 202 + 48 * 3}));
  const PanelControl* lyrics = Find(customize, Chip(L"lyrics"));
  ASSERT_NE(lyrics, nullptr);
  EXPECT_EQ(lyrics->rect, (DipRect{21, 166, 51, 44}));
  EXPECT_EQ(lyrics->text, L"Lyrics");
  EXPECT_EQ(Find(customize, Chip(L"home"))->rect, (DipRect{76, 166, 51, 44}));
  EXPECT_TRUE(Find(customize, control::kResetLayout)->enabled);
  bool counter = false;
  for (const PanelControl& c : customize.controls) counter |= c.text == L"0 / 6 slots used" && c.align_right;
  EXPECT_TRUE(counter);
  EXPECT_EQ(Status(), L"Ctrl + \u2190/\u2192 to reorder  \u00b7  Ctrl + \u2191/\u2193 to move between sections");
}

TEST_F(PanelLayoutTest, ResetIsDisabledAtTheDefaultAndRestoresIt) {
  OpenCustomize(L"");
  EXPECT_FALSE(rig.window.enabled[control::kResetLayout]);
  panel.MoveButton(B(L"wifi"), true, 0);
  EXPECT_TRUE(rig.window.enabled[control::kResetLayout]);
  panel.Command(control::kResetLayout);
  EXPECT_EQ(Stored(), SerializeLayout(DefaultLayout()));
  EXPECT_FALSE(rig.window.enabled[control::kResetLayout]);
  EXPECT_EQ(rig.window.focused, control::kBack);
  EXPECT_EQ(Status(), L"Default layout restored.");
}

TEST_F(PanelLayoutTest, DraggingAPanelChipIntoTheHeaderSavesAndHoldsTheMessage) {
  OpenCustomize(L"");
  const int wifi = B(L"wifi");
  ASSERT_TRUE(panel.ChipPressed(wifi, 40, 180));
  EXPECT_EQ(rig.window.focused, Chip(L"wifi"));
  // Three pixels is still a click at 96 DPI.
  EXPECT_FALSE(panel.ChipMoved(43, 177).dragging);
  EXPECT_FALSE(panel.chip_drag().moved);
  const auto outside = panel.ChipMoved(40, 150);  // between the zones
  EXPECT_TRUE(outside.dragging);
  EXPECT_FALSE(outside.allowed);
  EXPECT_EQ(Status(), L"Drag to a section to place the button.");
  const auto over = panel.ChipMoved(60, 100);  // header, column 1
  EXPECT_TRUE(over.allowed);
  EXPECT_EQ(Status(), L"Release to place in the notch header.");
  ASSERT_TRUE(panel.chip_drag().target);
  EXPECT_EQ(panel.chip_drag().target->index, 1);

  panel.ChipReleased();
  EXPECT_FALSE(panel.chip_drag().active);
  EXPECT_GE(rig.window.mouse_releases, 1);
  EXPECT_EQ(Stored(),
            L"home,wifi,timer,clipboard,shelf,system|bluetooth,hotspot,sound,display,search,notch,previous,"
            L"play,next,lyrics");
  EXPECT_EQ(rig.island.header_changes, 1);
  EXPECT_NE(Find(rig.window.created.back(), Chip(L"wifi")), nullptr);
  EXPECT_EQ(Find(rig.window.created.back(), Chip(L"wifi"))->rect, ChipRect(1, true));
  EXPECT_EQ(rig.window.focused, Chip(L"wifi"));
  EXPECT_EQ(Status(), L"Layout saved.");

  // The message holds for 3.5 s, then the hint returns.
  rig.window.clock_.Advance(3000);
  panel.Tick();
  EXPECT_EQ(Status(), L"Layout saved.");
  rig.window.clock_.Advance(600);
  panel.Tick();
  EXPECT_EQ(Status(), CustomizeHint());
}

TEST_F(PanelLayoutTest, AFullHeaderRefusesAPanelChipAndChangesNothing) {
  OpenCustomize(kFullHeader);
  const int writes = store.writes;
  panel.ChipPressed(B(L"sound"), 30, 180);
  EXPECT_FALSE(panel.ChipMoved(100, 100).allowed);
  EXPECT_EQ(Status(), L"The notch header is full.");
  panel.ChipReleased();
  EXPECT_EQ(Status(), L"The notch header is full. Move a button out first.");
  EXPECT_EQ(store.writes, writes);
  // A header chip may still move within the full header.
  panel.ChipPressed(B(L"home"), 30, 100);
  EXPECT_TRUE(panel.ChipMoved(200, 100).allowed);
  // Ctrl+Up on a panel chip says the same.
  rig.window.clock_.Advance(4000);
  panel.EndChipDrag();
  panel.MoveChipByKey(B(L"sound"), ChipKey::Up);
  EXPECT_EQ(Status(), L"The notch header is full. Move a button out first.");
  EXPECT_EQ(store.writes, writes);
}

TEST_F(PanelLayoutTest, DropsThatChangeNothingWriteNothing) {
  OpenCustomize(L"");
  const int writes = store.writes;
  // Just right of itself: timer is header chip 1, index 2 is the gap after it.
  panel.ChipPressed(B(L"timer"), 90, 100);
  ASSERT_TRUE(panel.ChipMoved(120, 100).dragging);
  ASSERT_EQ(panel.chip_drag().target->index, 2);
  panel.ChipReleased();
  // A click without a drag.
  panel.ChipPressed(B(L"timer"), 90, 100);
  panel.ChipReleased();
  EXPECT_EQ(store.writes, writes);
  EXPECT_EQ(Status(), CustomizeHint());
  EXPECT_EQ(rig.island.header_changes, 0);
}

TEST_F(PanelLayoutTest, EscapeOrCaptureLossEndsTheDragWithoutADrop) {
  OpenCustomize(L"");
  panel.ChipPressed(B(L"wifi"), 40, 180);
  panel.ChipMoved(60, 100);
  EXPECT_TRUE(panel.Key(PanelKey::Escape, Chip(L"wifi")));
  EXPECT_FALSE(panel.chip_drag().active);
  EXPECT_EQ(rig.panel.page(), Page::CustomizeButtons);  // Esc ended the drag, not the page
  EXPECT_EQ(Status(), CustomizeHint());
  panel.ChipReleased();
  EXPECT_EQ(store.values.count(std::wstring(setting::kButtonLayout)), 0u);

  panel.ChipPressed(B(L"wifi"), 40, 180);
  panel.ChipMoved(60, 100);
  panel.SetupPage(Page::Home);
  EXPECT_FALSE(panel.chip_drag().active);
  EXPECT_FALSE(panel.ChipPressed(B(L"wifi"), 40, 180));  // chips are only on Customize
}

TEST_F(PanelLayoutTest, AFailedWriteKeepsTheLayoutAndSaysSo) {
  OpenCustomize(L"");
  store.fail_writes = true;
  const std::size_t pages = rig.window.created.size();
  panel.MoveChipByKey(B(L"home"), ChipKey::Right);
  EXPECT_EQ(Status(), L"Couldn\u2019t save the button layout.");
  EXPECT_EQ(layouts.Current(), DefaultLayout());
  EXPECT_EQ(rig.window.created.size(), pages);
  EXPECT_EQ(rig.island.header_changes, 0);
}

TEST_F(PanelLayoutTest, KeyboardMovesReorderAndSwitchLists) {
  OpenCustomize(L"");
  panel.MoveChipByKey(B(L"home"), ChipKey::Right);
  EXPECT_EQ(layouts.Current().header, (std::vector<int>{1, 0, 2, 3, 4}));
  EXPECT_EQ(rig.window.focused, Chip(L"home"));
  panel.MoveChipByKey(B(L"home"), ChipKey::Down);
  EXPECT_EQ(layouts.Current().panel.back(), B(L"home"));
  panel.MoveChipByKey(B(L"lyrics"), ChipKey::Up);
  EXPECT_EQ(layouts.Current().header.back(), B(L"lyrics"));
  const int writes = store.writes;
  panel.MoveChipByKey(B(L"lyrics"), ChipKey::Up);   // already in the header
  panel.MoveChipByKey(B(L"timer"), ChipKey::Left);  // already first
  panel.MoveChipByKey(B(L"home"), ChipKey::Right);  // already last
  EXPECT_EQ(store.writes, writes);
}

TEST_F(PanelLayoutTest, HeaderButtonsRunTheirActions) {
  panel.HeaderButton(B(L"timer"));
  panel.HeaderButton(B(L"home"));
  EXPECT_EQ(rig.island.pages, (std::vector<int>{page::kTimer, page::kMedia}));
  panel.HeaderButton(B(L"previous"));
  panel.HeaderButton(B(L"play"));
  EXPECT_EQ(rig.media.sent,
            (std::vector<MediaCommandKind>{MediaCommandKind::Previous, MediaCommandKind::TogglePlayPause}));
  panel.HeaderButton(B(L"lyrics"));
  EXPECT_FALSE(rig.host.lyrics);

  // Hotspot opens Home and leaves the toggle pending; closing forgets it.
  panel.HeaderButton(B(L"hotspot"));
  EXPECT_EQ(rig.island.expands, 1);
  EXPECT_EQ(panel.pending_page(), Page::Home);
  EXPECT_TRUE(panel.pending_hotspot_toggle());
  rig.Open();
  panel.Close();
  EXPECT_FALSE(panel.pending_hotspot_toggle());

  rig.Open();
  panel.HeaderClicked(1, B(L"wifi"));
  EXPECT_EQ(panel.page(), Page::WiFi);
  panel.HeaderClicked(1, B(L"search"));
  EXPECT_EQ(panel.page(), Page::Search);
  // The tab opens Home, the settings glyph the notch settings.
  panel.HeaderClicked(3, 0);
  EXPECT_EQ(panel.page(), Page::NotchSettings);
  panel.HeaderClicked(2, 0);
  EXPECT_EQ(panel.page(), Page::Home);
}

}  // namespace
}  // namespace notch::quick
