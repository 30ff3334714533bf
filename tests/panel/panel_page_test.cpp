#include "panel/panel_page.h"

#include <gtest/gtest.h>

#include <set>

#include "panel_fakes.h"

namespace notch::quick {
namespace {

class PanelPageTest : public testing::EnglishTextsTest {};

const PanelControl* FindControl(const PageLayout& layout, int id) {
  for (const PanelControl& c : layout.controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

TEST_F(PanelPageTest, SizesFollowThePageAndItsContents) {
  EXPECT_EQ(PageSize(Page::Home, {}), (PanelSize{244, 164}));
  EXPECT_EQ(PageSize(Page::Home, {.home_tile_rows = 6}), (PanelSize{244, 204}));
  EXPECT_EQ(PageSize(Page::Sound, {}), (PanelSize{372, 314}));
  EXPECT_EQ(PageSize(Page::Display, {}), (PanelSize{372, 192}));
  // An empty result list counts as five rows; more than five are clamped.
  EXPECT_EQ(PageSize(Page::Search, {.search_rows = 0}), (PanelSize{428, 368}));
  EXPECT_EQ(PageSize(Page::Search, {.search_rows = 1}), (PanelSize{428, 224}));
  EXPECT_EQ(PageSize(Page::Search, {.search_rows = 9}), (PanelSize{428, 368}));
  // One row of chips per six panel buttons, rounded up.
  EXPECT_EQ(PageSize(Page::CustomizeButtons, {.panel_buttons = 0}), (PanelSize{372, 202}));
  EXPECT_EQ(PageSize(Page::CustomizeButtons, {.panel_buttons = 7}), (PanelSize{372, 298}));
  // A stored value outside the enumeration gets the fallback size.
  EXPECT_EQ(PageSize(42, {}), (PanelSize{372, 320}));
  EXPECT_EQ(TitleWidth(static_cast<Page>(42), 372), 304);
}

TEST_F(PanelPageTest, NamesRoundTrip) {
  for (int value = 0; value < kPageCount; ++value) {
    const Page page = static_cast<Page>(value);
    EXPECT_EQ(PageFromName(PageName(page)), page);
  }
  EXPECT_FALSE(PageFromName("home").has_value());
}

TEST_F(PanelPageTest, EveryPageButHomeHasTheHeaderAndTheStatusLineAtTheBottom) {
  for (int value = 0; value < kPageCount; ++value) {
    const Page page = static_cast<Page>(value);
    const PageLayout layout = BuildPage(page, {});
    const PanelControl* status = FindControl(layout, control::kStatus);
    ASSERT_NE(status, nullptr) << PageName(page);
    EXPECT_EQ(status->rect.y, layout.size.h - 22);
    const PanelControl* back = FindControl(layout, control::kBack);
    if (page == Page::Home) {
      EXPECT_EQ(back, nullptr);
      EXPECT_EQ(status->rect, (DipRect{12, layout.size.h - 22, layout.size.w - 134, 16}));
    } else {
      ASSERT_NE(back, nullptr);
      EXPECT_EQ(back->rect, (DipRect{16, 12, 28, 28}));
      EXPECT_EQ(layout.controls.front().id, control::kBack);
      EXPECT_EQ(status->rect.w, layout.size.w - 32);
    }
    // Ids are unique among controls that have one.
    std::set<int> ids;
    for (const PanelControl& c : layout.controls) {
      if (c.id >= 0) {
        EXPECT_TRUE(ids.insert(c.id).second) << PageName(page) << " " << c.id;
      }
      EXPECT_LE(c.rect.x + c.rect.w, layout.size.w) << PageName(page) << " " << c.id;
      EXPECT_LE(c.rect.y + c.rect.h, layout.size.h) << PageName(page) << " " << c.id;
    }
  }
}

TEST_F(PanelPageTest, NotchSettingsShowsTheStyleAndTheme) {
  PageInputs in;
  in.style = IslandStyle::Pill;
  in.theme = Theme::Leopard;
  const PageLayout layout = BuildPage(Page::NotchSettings, in);
  EXPECT_EQ(FindControl(layout, control::kSubtitle)->text, L"Style: Pill · Theme: Leopard");
  EXPECT_EQ(StyleControl(IslandStyle::ActivityOnly), control::kStyleActivity);
}

TEST_F(PanelPageTest, DisplayWaitsForBrightnessWithTheSliderDisabled) {
  PageLayout unknown = BuildPage(Page::Display, {});
  EXPECT_FALSE(FindControl(unknown, control::kSlider)->enabled);
  EXPECT_EQ(FindControl(unknown, control::kSubtitle)->text, L"Checking display brightness…");
  PageInputs in;
  in.brightness = 40;
  PageLayout known = BuildPage(Page::Display, in);
  EXPECT_TRUE(FindControl(known, control::kSlider)->enabled);
  EXPECT_EQ(FindControl(known, control::kValue)->text, L"40%");
}

TEST_F(PanelPageTest, HomeTilesFollowMediaAndLyrics) {
  PageInputs in;
  in.lyrics_on = false;
  in.media_available = true;
  in.media_playing = true;
  const PageLayout layout = BuildPage(Page::Home, in);
  EXPECT_EQ(FindControl(layout, control::kLyrics)->text, L"Lyrics off");
  EXPECT_EQ(FindControl(layout, control::kPlayPause)->text, L"Pause");
  EXPECT_TRUE(FindControl(layout, control::kNext)->enabled);
  EXPECT_EQ(FindControl(layout, control::kCustomize)->rect, (DipRect{244 - 114, 164 - 26, 102, 24}));
  EXPECT_FALSE(FindControl(BuildPage(Page::Home, {}), control::kPrevious)->enabled);
}

TEST_F(PanelPageTest, HomeTilesFollowTheButtonLayout) {
  PageInputs in;
  in.home_buttons = {6, 0, 15};  // one row of three
  const PageLayout few = BuildPage(Page::Home, in);
  EXPECT_EQ(few.size, (PanelSize{244, 164}));
  EXPECT_EQ(FindControl(few, control::kBluetoothPage)->rect, (DipRect{12, 8, 44, 38}));
  EXPECT_EQ(FindControl(few, control::kMediaPage)->text, L"Home");
  EXPECT_EQ(FindControl(few, control::kLyrics)->rect, (DipRect{100, 8, 44, 38}));
  EXPECT_EQ(FindControl(few, control::kNext), nullptr);

  in.home_buttons.clear();
  for (int button = 0; button < 16; ++button) in.home_buttons.push_back(button);
  const PageLayout all = BuildPage(Page::Home, in);  // six rows: the taller page
  EXPECT_EQ(all.size, (PanelSize{244, 204}));
  EXPECT_EQ(FindControl(all, control::kCustomize)->rect, (DipRect{244 - 114, 204 - 26, 102, 24}));
  EXPECT_EQ(FindControl(all, control::kClipboardPage)->text, L"Clipboard history");
  EXPECT_EQ(FindControl(all, control::kLyrics)->rect, (DipRect{158, 142, 74, 34}));
}

}  // namespace
}  // namespace notch::quick
