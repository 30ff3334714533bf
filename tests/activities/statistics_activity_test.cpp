// The statistics page: its three tiles and their graphs as the recording
// canvas sees them, and sampling through the island's timer.
#include "activities/statistics_activity.h"

#include <gtest/gtest.h>

#include "activities/island_activity_set.h"
#include "common/ini_document.h"
#include "host/language.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/activities_island_test.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

const RectF kBox{100, 30, 400, 136};

// A system whose counters move by fixed steps at each read.
class SteppingSource final : public StatisticsSource {
 public:
  int reads = 0;
  StatisticsReadings Read() override {
    const auto n = static_cast<std::uint64_t>(reads++);
    StatisticsReadings r;
    r.times = SystemTimes{n * 75, n * 100, 0};  // 25 % load
    r.memory_load_percent = 40;
    r.interfaces = {{1, kInterfaceEthernet, true, static_cast<std::uint32_t>(n * 2000000), 0}};
    return r;
  }
};

class StatisticsActivityTest : public ::testing::Test {
 protected:
  StatisticsActivityTest() { SetLanguageFlag(kEnglish); }

  std::vector<const CanvasOp*> Texts() const { return canvas_.Ops(K::DrawText); }
  const CanvasOp* TextOp(const std::wstring& text) const {
    for (const CanvasOp* op : canvas_.Ops(K::DrawText)) {
      if (op->text == text) return op;
    }
    return nullptr;
  }
  void SampleSteps(int count) {
    for (int i = 0; i < count; ++i) activity_.Sample();
  }

  FontSet fonts_;
  IslandTextFormats formats_{fonts_, Theme::Sequoia};
  SteppingSource source_;
  StatisticsActivity activity_{&source_};
  testing::RecordingCanvas canvas_;
};

TEST_F(StatisticsActivityTest, ThreeTilesWithLabelsAndValues) {
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  const float w = (300.0f - 32.0f) / 3.0f;
  const auto tiles = canvas_.Ops(K::FillRoundedRect);
  ASSERT_EQ(tiles.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const float x = 110.0f + static_cast<float>(i) * (w + 6.0f);
    EXPECT_EQ(tiles[i]->rect, (RectF{x, 32, x + w, 124})) << i;
    EXPECT_EQ(tiles[i]->radius, 13.0f);
    EXPECT_EQ(tiles[i]->colour, White(0.09f));
  }
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(texts[0]->text, L"CPU");
  EXPECT_EQ(texts[0]->rect, (RectF{119, 38, 110 + w - 6, 52}));
  EXPECT_EQ(texts[0]->colour, White(0.55f));
  EXPECT_EQ(texts[1]->text, L"0%");
  EXPECT_EQ(texts[1]->format.size, 17.0f);
  EXPECT_EQ(texts[1]->format.weight, 600);
  EXPECT_EQ(texts[2]->text, L"Memory");
  EXPECT_EQ(texts[4]->text, L"Network");
  EXPECT_EQ(texts[5]->text, L"\u2193 0 KB/s");
  EXPECT_EQ(texts[5]->format.size, 11.0f);
  EXPECT_EQ(texts[5]->format.weight, 400);
  EXPECT_EQ(texts[6]->text, L"\u2191 0 KB/s");
  EXPECT_EQ(texts[6]->rect.top, 68.0f);
  EXPECT_EQ(texts[6]->rect.bottom, 82.0f);
  EXPECT_EQ(texts[6]->colour, White(0.55f));
  EXPECT_TRUE(canvas_.Ops(K::FillPath).empty());  // no graph before two values
}

TEST_F(StatisticsActivityTest, TileCornersFollowTheTheme) {
  activity_.Draw(canvas_, kBox, Theme::Leopard, formats_);
  EXPECT_EQ(canvas_.Ops(K::FillRoundedRect)[0]->radius, 6.0f);
  canvas_.Clear();
  activity_.Draw(canvas_, kBox, Theme::GoldenGate, formats_);
  EXPECT_EQ(canvas_.Ops(K::FillRoundedRect)[0]->radius, 16.0f);
}

TEST_F(StatisticsActivityTest, ValuesShowTheLastSample) {
  SampleSteps(3);
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  EXPECT_NE(TextOp(L"25%"), nullptr);
  EXPECT_NE(TextOp(L"40%"), nullptr);
  // Samples without a clock are all at time 0, so no rate is computed.
  EXPECT_NE(TextOp(L"\u2193 0 KB/s"), nullptr);
  activity_.SampleReadings(
      {std::nullopt, std::nullopt, std::vector<InterfaceCounters>{{1, kInterfaceEthernet, true, 7000000, 0}}}, 1000);
  activity_.SampleReadings(
      {std::nullopt, std::nullopt, std::vector<InterfaceCounters>{{1, kInterfaceEthernet, true, 8500000, 999999}}},
      2000);
  canvas_.Clear();
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  EXPECT_NE(TextOp(L"\u2193 1.5 MB/s"), nullptr);
  EXPECT_NE(TextOp(L"\u2191 1000 KB/s"), nullptr);
}

TEST_F(StatisticsActivityTest, GraphsPutTheNewestValueAtTheRightEdge) {
  const RectF area{10, 56, 88, 86};  // 78 wide: steps of 2
  const GraphFigures g = HistoryGraph({0.0f, 0.5f, 2.0f}, 1.0f, area);
  EXPECT_FALSE(g.line.closed);
  EXPECT_EQ(g.line.start, (PointF{84, 86}));
  ASSERT_EQ(g.line.segments.size(), 2u);
  EXPECT_EQ(g.line.segments[0].end, (PointF{86, 71}));
  EXPECT_EQ(g.line.segments[1].end, (PointF{88, 56}));  // clamped to the top
  EXPECT_TRUE(g.fill.closed);
  EXPECT_EQ(g.fill.start, (PointF{84, 86}));
  ASSERT_EQ(g.fill.segments.size(), 4u);
  EXPECT_EQ(g.fill.segments[0].end, (PointF{84, 86}));
  EXPECT_EQ(g.fill.segments[3].end, (PointF{88, 86}));

  std::deque<float> full(40, 25000.0f);
  const GraphFigures forty = HistoryGraph(full, 50000.0f, area);
  EXPECT_FLOAT_EQ(forty.line.start.x, 10.0f);  // forty values span the width
  EXPECT_FLOAT_EQ(forty.line.start.y, 71.0f);
  // A level run is one segment.
  ASSERT_EQ(forty.line.segments.size(), 1u);
  EXPECT_EQ(forty.line.segments[0].end, (PointF{88, 71}));
  EXPECT_EQ(forty.fill.segments.size(), 3u);
  EXPECT_TRUE(HistoryGraph({1.0f}, 1.0f, area).line.segments.empty());
}

TEST_F(StatisticsActivityTest, EachGraphIsFilledAtAQuarterAndStrokedInItsColour) {
  SampleSteps(3);
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  const auto fills = canvas_.Ops(K::FillPath);
  const auto strokes = canvas_.Ops(K::StrokePath);
  ASSERT_EQ(fills.size(), 2u);  // CPU and memory; no network rate yet
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(fills[0]->colour, (Colour{0.35f, 0.65f, 1.0f, 0.25f}));
  EXPECT_EQ(strokes[0]->colour, (Colour{0.35f, 0.65f, 1.0f, 1.0f}));
  EXPECT_FLOAT_EQ(strokes[0]->width, 1.3f);
  EXPECT_EQ(fills[1]->colour, (Colour{0.2f, 0.84f, 0.29f, 0.25f}));
  // The memory graph: three values at 40 %, the newest at the tile's right edge less 8.
  const float w = (300.0f - 32.0f) / 3.0f;
  const PathData& memory_line = canvas_.paths[static_cast<std::size_t>(strokes[1]->path)].front();
  ASSERT_EQ(memory_line.segments.size(), 1u);  // one level run
  EXPECT_FLOAT_EQ(memory_line.segments[0].end.x, 110.0f + (w + 6.0f) + w - 8.0f);
  EXPECT_FLOAT_EQ(memory_line.segments[0].end.y, 116.0f - 30.0f * 0.4f);

  // Drawn again without a new sample, the paths are kept.
  const std::size_t made = canvas_.paths.size();
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  EXPECT_EQ(canvas_.paths.size(), made);
  activity_.Sample();
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  EXPECT_GT(canvas_.paths.size(), made);
}

TEST_F(StatisticsActivityTest, TheNetworkGraphIsScaledToItsLargestRate) {
  for (int i = 0; i < 3; ++i) {
    activity_.SampleReadings(
        {std::nullopt, std::nullopt,
         std::vector<InterfaceCounters>{{1, kInterfaceEthernet, true, static_cast<std::uint32_t>(i * i * 10000), 0}}},
        i * 1000.0);
  }
  // Rates 10 000 and 30 000: the scale is 1.1 x 50 000.
  activity_.Draw(canvas_, kBox, Theme::Sequoia, formats_);
  const auto strokes = canvas_.Ops(K::StrokePath);
  ASSERT_EQ(strokes.size(), 1u);
  const PathData& line = canvas_.paths[static_cast<std::size_t>(strokes[0]->path)].front();
  EXPECT_FLOAT_EQ(line.start.y, 116.0f - 30.0f * 10000.0f / 55000.0f);
  EXPECT_FLOAT_EQ(line.segments[0].end.y, 116.0f - 30.0f * 30000.0f / 55000.0f);
  EXPECT_EQ(strokes[0]->colour, (Colour{1.0f, 0.62f, 0.04f, 1.0f}));
}

// The island samples once when the page opens and then every second.
class StatisticsPageTest : public testing::ActivitiesIslandTest {
 protected:
  StatisticsPageTest() : ActivitiesIslandTest(Ports(this)) { island_.Start(); }
  static ActivityPorts Ports(StatisticsPageTest* test) {
    ActivityPorts ports;
    ports.statistics = &test->source_;
    return ports;
  }

  SteppingSource source_;
};

TEST_F(StatisticsPageTest, ThePageSamplesRealTimeRates) {
  const RectF shape = island_.CurrentShapeRect();
  const ScreenPoint centre{static_cast<int>(shape.centre().x), 5};
  island_.OnLeftButtonDown(centre);
  island_.OnLeftButtonUp(centre);
  island_.SetPage(page::kStatistics);
  EXPECT_EQ(source_.reads, 1);
  platform_.Advance(3000, island_);
  EXPECT_EQ(source_.reads, 4);
  // Two million octets a second.
  EXPECT_DOUBLE_EQ(activities_.statistics().statistics().download_rate(), 2000000.0);
  canvas_.Clear();
  island_.Redraw();
  bool shown = false;
  for (const CanvasOp* op : canvas_.Ops(K::DrawText)) shown = shown || op->text == L"\u2193 2.0 MB/s";
  EXPECT_TRUE(shown);
  island_.SetPage(page::kMedia);
  platform_.Advance(3000, island_);
  EXPECT_EQ(source_.reads, 4);
}

}  // namespace
}  // namespace notch
