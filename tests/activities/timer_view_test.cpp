// The timer activity on a real island (virtual platform): the preset grid,
// the ring and controls, the pill, and what clicks on the page do.
#include "activities/timer_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "activities/island_activity_set.h"
#include "activities/media_layout.h"
#include "activities/notice_card.h"
#include "common/ini_document.h"
#include "host/language.h"
#include "render/symbols.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/activities_island_test.h"
#include "support/recording_canvas.h"

namespace notch {
namespace {

using testing::CanvasOp;
using K = CanvasOp::Kind;

class TimerViewTest : public testing::ActivitiesIslandTest {
 protected:
  TimerViewTest() : ActivitiesIslandTest({}) {
    island_.Start();
    Run(1000);
  }

  void Run(double ms) { platform_.Advance(ms, island_); }
  void OpenTimerPage() {
    const RectF shape = island_.CurrentShapeRect();
    Click({shape.centre().x, 5.0f});
    island_.SetPage(page::kTimer);
    Run(1000);
    ASSERT_EQ(island_.record().state, IslandState::Expanded);
    Redraw();
  }
  void Click(PointF p) {
    const ScreenPoint at{static_cast<int>(p.x), static_cast<int>(p.y)};
    island_.OnLeftButtonDown(at);
    island_.OnLeftButtonUp(at);
  }
  // Controls of the running countdown.
  PointF PauseButton() const { return {Box().left + 102.0f, Box().top + 62.0f}; }
  PointF StopButton() const { return {Box().left + 138.0f, Box().top + 62.0f}; }
  PointF AddMinuteButton() const { return {Box().left + 189.0f, Box().top + 62.0f}; }
  const CanvasOp* Text(const std::wstring& text) const {
    const CanvasOp* found = nullptr;
    for (const CanvasOp* op : canvas_.Ops(K::DrawText)) {
      if (op->text == text) found = op;
    }
    return found;
  }
  static std::wstring Glyph(const wchar_t* symbol) { return std::wstring(1, wchar_t(*SymbolCodePoint(symbol))); }
  // The end point of the ring's arc.
  PointF ArcEnd() const {
    const auto strokes = canvas_.Ops(K::StrokePath);
    if (strokes.empty()) return {-1.0f, -1.0f};
    return canvas_.paths[static_cast<std::size_t>(strokes.back()->path)].front().segments.back().end;
  }
};

TEST_F(TimerViewTest, WithoutACountdownThePageOffersSixPresetsInAGrid) {
  OpenTimerPage();
  const RectF box = Box();
  const float w = (box.width() - 44.0f) / 3.0f;
  const int minutes[] = {1, 3, 5, 10, 15, 30};
  for (int i = 0; i < 6; ++i) {
    const CanvasOp* label = Text(std::to_wstring(minutes[i]) + L" min");
    ASSERT_NE(label, nullptr) << minutes[i];
    const float x = box.left + 14.0f + static_cast<float>(i % 3) * (w + 8.0f);
    const float y = box.top + (i < 3 ? 6.0f : 46.0f);
    EXPECT_EQ(label->rect, (RectF{x, y, x + w, y + 32.0f}));
    EXPECT_EQ(label->format.alignment, TextAlignment::Centre);
    EXPECT_EQ(activities_.HitTest(label->rect.centre()), (HitItem{timer_hit::kPreset, minutes[i]}));
  }
  EXPECT_EQ(canvas_.Ops(K::FillRoundedRect).size(), 6u);  // each on the button highlight
  EXPECT_TRUE(canvas_.Ops(K::StrokePath).empty());
}

TEST_F(TimerViewTest, APresetStartsTheCountdownWithItsRingAndControls) {
  OpenTimerPage();
  Click(Text(L"5 min")->rect.centre());
  ASSERT_TRUE(island_.countdown().active());
  EXPECT_DOUBLE_EQ(island_.countdown().total_ms(), 300000.0);
  EXPECT_EQ(platform_.timers[island_timer::kCountdownEnd], 300000u);
  EXPECT_EQ(island_.record().state, IslandState::Expanded);
  Redraw();
  const CanvasOp* time = Text(L"5:00");
  ASSERT_NE(time, nullptr);
  EXPECT_FLOAT_EQ(time->colour.a, 1.0f);
  EXPECT_FLOAT_EQ(time->format.size, 28.0f);
  const RectF box = Box();
  EXPECT_EQ(time->rect, (RectF{box.left + 88, box.top + 4, box.right - 14, box.top + 42}));
  EXPECT_EQ(Text(L"1 min"), nullptr);

  // The faint full circle, and the arc nearly all the way round.
  const auto circles = canvas_.Ops(K::StrokeRoundedRect);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0]->rect, (RectF{box.left + 16, box.top + 10, box.left + 72, box.top + 66}));
  EXPECT_FLOAT_EQ(circles[0]->radius, 28.0f);
  EXPECT_FLOAT_EQ(circles[0]->colour.a, 0.22f);
  ASSERT_EQ(canvas_.Ops(K::StrokePath).size(), 1u);
  EXPECT_EQ(canvas_.Ops(K::StrokePath)[0]->line_style, LineStyle::Round);
  EXPECT_FLOAT_EQ(canvas_.Ops(K::StrokePath)[0]->width, 5.0f);

  // Half-way the arc ends at six o'clock.
  Run(150000);
  Redraw();
  EXPECT_NE(Text(L"2:30"), nullptr);
  EXPECT_NEAR(ArcEnd().x, box.left + 44.0f, 0.01f);
  EXPECT_NEAR(ArcEnd().y, box.top + 66.0f, 0.01f);

  EXPECT_EQ(activities_.HitTest(PauseButton()).kind, timer_hit::kPauseResume);
  EXPECT_EQ(activities_.HitTest(StopButton()).kind, timer_hit::kStop);
  EXPECT_EQ(activities_.HitTest(AddMinuteButton()).kind, timer_hit::kAddMinute);
  EXPECT_NE(Text(L"+1 min"), nullptr);
  EXPECT_NE(Text(Glyph(L"pause.fill")), nullptr);
}

TEST_F(TimerViewTest, PausedAtFortySecondsTheEndComesFortySecondsAfterResuming) {
  OpenTimerPage();
  Click(Text(L"1 min")->rect.centre());
  Run(20000);
  Click(PauseButton());
  EXPECT_TRUE(island_.countdown().paused());
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownEnd));
  Run(300000);
  Redraw();
  const CanvasOp* frozen = Text(L"0:40");
  ASSERT_NE(frozen, nullptr);
  EXPECT_FLOAT_EQ(frozen->colour.a, 0.55f);  // dim while paused
  EXPECT_NE(Text(Glyph(L"play.fill")), nullptr);

  Click(PauseButton());
  Run(39999);
  EXPECT_EQ(platform_.sounds_played, 0);
  Run(1);
  EXPECT_EQ(platform_.sounds_played, 1);
  EXPECT_EQ(island_.record().state, IslandState::Notification);
  EXPECT_EQ(island_.record().card.title, L"Timer done");
  EXPECT_EQ(island_.record().card.subtitle, L"1:00");
}

TEST_F(TimerViewTest, AnExtraMinuteGrowsTheTotalSoTheRingIsFullAgain) {
  OpenTimerPage();
  Click(Text(L"1 min")->rect.centre());
  Run(50000);
  Click(AddMinuteButton());
  EXPECT_DOUBLE_EQ(island_.countdown().total_ms(), 70000.0);
  EXPECT_EQ(platform_.timers[island_timer::kCountdownEnd], 70000u);
  Redraw();
  EXPECT_NE(Text(L"1:10"), nullptr);
  // 70 of 70 seconds: the arc stops just short of twelve o'clock.
  const RectF box = Box();
  EXPECT_LT(ArcEnd().x, box.left + 44.0f);
  EXPECT_NEAR(ArcEnd().y, box.top + 10.0f, 0.01f);

  // Paused, the minute goes on the frozen time; the total grows past it.
  Click(PauseButton());
  Click(AddMinuteButton());
  Click(AddMinuteButton());
  EXPECT_DOUBLE_EQ(island_.countdown().Remaining(platform_.clock_value.NowMs()), 190000.0);
  EXPECT_DOUBLE_EQ(island_.countdown().total_ms(), 190000.0);
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownEnd));
}

TEST_F(TimerViewTest, StoppingShowsThePresetsAndTheEndNeverComes) {
  OpenTimerPage();
  Click(Text(L"3 min")->rect.centre());
  Click(StopButton());
  EXPECT_FALSE(island_.countdown().active());
  EXPECT_FALSE(platform_.TimerRunning(island_timer::kCountdownEnd));
  Redraw();
  EXPECT_NE(Text(L"3 min"), nullptr);
  Run(600000);
  EXPECT_EQ(platform_.sounds_played, 0);
  EXPECT_NE(island_.record().state, IslandState::Timer);
}

TEST_F(TimerViewTest, AnHourLongCountdownShowsHours) {
  OpenTimerPage();
  island_.StartCountdown(60);
  Redraw();
  EXPECT_NE(Text(L"1:00:00"), nullptr);
}

TEST_F(TimerViewTest, ThePillShowsTheSymbolAndTheRemainingTimeInOrange) {
  island_.StartCountdown(5);
  Run(3000);
  ASSERT_EQ(island_.record().state, IslandState::Timer);
  Redraw();
  const CanvasOp* time = Text(L"4:57");
  ASSERT_NE(time, nullptr);
  EXPECT_EQ(time->colour, kTimerOrange);
  EXPECT_EQ(time->format.alignment, TextAlignment::Trailing);
  EXPECT_FLOAT_EQ(time->rect.width(), 60.0f);
  const RectF shape = island_.CurrentShapeRect();
  EXPECT_LT(time->rect.right, shape.right);
  const CanvasOp* symbol = Text(Glyph(L"timer"));
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->colour, kTimerOrange);
  EXPECT_LT(symbol->rect.right, shape.centre().x);
  // Nothing on the pill answers clicks.
  EXPECT_EQ(activities_.HitTest(time->rect.centre()).kind, 0);
}

TEST(ClockwiseArcTest, RunsFromTwelveOClockInPiecesUnderHalfACircle) {
  const PathData arc = ClockwiseArc({100, 100}, 10, 0.75f);
  EXPECT_FALSE(arc.closed);
  EXPECT_EQ(arc.start, (PointF{100, 90}));
  ASSERT_EQ(arc.segments.size(), 3u);
  EXPECT_NEAR(arc.segments[0].end.x, 110.0f, 1e-4f);  // three o'clock
  EXPECT_NEAR(arc.segments[2].end.x, 90.0f, 1e-4f);   // nine o'clock
  EXPECT_NEAR(arc.segments[2].end.y, 100.0f, 1e-4f);
  EXPECT_EQ(ClockwiseArc({0, 0}, 10, 0.001f).segments.size(), 1u);
}

}  // namespace
}  // namespace notch
