#include "activities/island_header.h"

#include <gtest/gtest.h>

#include "activities/island_activity_set.h"
#include "common/ini_document.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

TEST(IslandHeaderTest, ButtonsRunFromTheLeftAndTheTabAndSettingsSitAtTheRight) {
  const RectF shape{50, 0, 450, 200};
  const auto pill = LayOutIslandHeader(IslandStyle::Pill, Theme::Sequoia, shape, 30.0f, {5, 15, 99, -1});
  ASSERT_EQ(pill.size(), 4u);  // unknown buttons are left out
  EXPECT_EQ(pill[0].item, (HitItem{hit::kHeaderButton, 5}));
  EXPECT_EQ(pill[0].rect, (RectF{64, 2, 88, 26}));  // centred in the pill's 28-DIP band
  EXPECT_EQ(pill[1].item, (HitItem{hit::kHeaderButton, 15}));
  EXPECT_EQ(pill[1].rect.left, 92.0f);
  EXPECT_EQ(pill[2].item, (HitItem{hit::kHeaderTab, 0}));
  EXPECT_EQ(pill[3].item, (HitItem{hit::kHeaderSettings, 0}));
  EXPECT_EQ(pill[3].rect, (RectF{412, 2, 436, 26}));
  EXPECT_EQ(pill[2].rect.right, 408.0f);

  // The notch style uses the notch band, inside the card's side margins.
  const auto notch = LayOutIslandHeader(IslandStyle::Notch, Theme::Sequoia, shape, 30.0f, {0});
  EXPECT_EQ(notch[0].rect, (RectF{83, 3, 107, 27}));
  // A band too thin for an icon shows no row.
  EXPECT_TRUE(LayOutIslandHeader(IslandStyle::Notch, Theme::Sequoia, shape, 3.0f, {0}).empty());
}

class IslandHeaderDrawTest : public ::testing::Test {
 protected:
  IslandHeaderDrawTest() {
    record_.style = IslandStyle::Pill;
    record_.state = IslandState::Expanded;
    record_.page = page::kStatistics;
  }
  void Draw() {
    canvas_.ops.clear();
    activities_.DrawContent(canvas_,
                            {IslandState::Expanded, record_, media_, countdown_, shape_, 20.0f, 1.0f, 30.0f, 0.0});
  }

  std::vector<int> header_{5, 15};
  FontSet fonts_;
  IniDocument file_;
  Settings settings_{file_};
  ActivityPorts ports_ = [this] {
    ActivityPorts ports;
    ports.header_buttons = [this] { return header_; };
    return ports;
  }();
  IslandActivitySet activities_{fonts_, settings_, ports_};
  IslandRecord record_;
  MediaSnapshot media_;
  Countdown countdown_;
  RectF shape_{50, 0, 450, 200};
  testing::RecordingCanvas canvas_;
};

TEST_F(IslandHeaderDrawTest, TheExpandedCardDrawsTheLayoutsHeaderAndAnswersClicksOnIt) {
  Draw();
  EXPECT_EQ(activities_.HitTest({70, 10}), (HitItem{hit::kHeaderButton, 5}));
  EXPECT_EQ(activities_.HitTest({100, 10}), (HitItem{hit::kHeaderButton, 15}));
  EXPECT_EQ(activities_.HitTest({420, 10}), (HitItem{hit::kHeaderSettings, 0}));
  EXPECT_EQ(canvas_.Ops(K::StrokePath).size(), 2u);  // the two buttons' line icons
  const auto backdrops = [this] {
    int count = 0;
    for (const CanvasOp* op : canvas_.Ops(K::FillRoundedRect)) count += op->rect == RectF{92, 2, 116, 26};
    return count;
  };
  EXPECT_EQ(backdrops(), 0);

  // A hovered item gets a backdrop; a layout change shows after RefreshHeader.
  record_.hovered_item = {hit::kHeaderButton, 15};
  header_ = {0};
  Draw();
  EXPECT_EQ(backdrops(), 1);
  EXPECT_EQ(activities_.HitTest({100, 10}), (HitItem{hit::kHeaderButton, 15}));
  activities_.RefreshHeader();
  Draw();
  EXPECT_EQ(activities_.HitTest({70, 10}), (HitItem{hit::kHeaderButton, 0}));
  EXPECT_EQ(activities_.HitTest({100, 10}), HitItem{});

  // Page 5 belongs to the panel: no header there.
  record_.page = page::kQuickControls;
  Draw();
  EXPECT_EQ(activities_.HitTest({70, 10}), HitItem{});
}

}  // namespace
}  // namespace notch
