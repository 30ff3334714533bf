#include "system/brightness.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/clock.h"
#include "support/english_texts_test.h"

namespace notch::brightness {
namespace {

using EnglishTexts = testing::EnglishTextsTest;

class BrightnessViewTest : public EnglishTexts {};
class BrightnessCoalescingTest : public EnglishTexts {};

class FakeWmi final : public BrightnessWmi {
 public:
  bool connects = true;
  bool write_ok = true;
  std::optional<std::uint8_t> current;
  std::vector<std::uint8_t> writes;

  bool Connect() override { return connects; }
  bool Set(std::uint8_t percent) override {
    writes.push_back(percent);
    if (write_ok) current = percent;
    return write_ok;
  }
  std::optional<std::uint8_t> Read() override { return current; }
};

class FakeDdc final : public DdcMonitors {
 public:
  struct Monitor {
    std::optional<Range> range;  // nothing: the read fails
    bool set_ok = true;
    std::vector<std::uint32_t> writes;
  };
  std::optional<std::vector<Monitor>> monitors = std::vector<Monitor>{};  // nothing: cannot gather
  int opens = 0;
  int closes = 0;

  std::optional<std::uint32_t> Open() override {
    ++opens;
    if (!monitors) return std::nullopt;
    return static_cast<std::uint32_t>(monitors->size());
  }
  void Close() override { ++closes; }
  std::optional<Range> Get(std::uint32_t index) override { return (*monitors)[index].range; }
  bool Set(std::uint32_t index, std::uint32_t value) override {
    Monitor& monitor = (*monitors)[index];
    monitor.writes.push_back(value);
    if (monitor.set_ok && monitor.range) monitor.range->current = value;
    return monitor.set_ok;
  }
};

FakeDdc::Monitor Mon(std::optional<DdcMonitors::Range> range, bool set_ok = true) {
  FakeDdc::Monitor monitor;
  monitor.range = range;
  monitor.set_ok = set_ok;
  return monitor;
}

TEST(BrightnessScaleTest, ScalesBothWaysRounded) {
  EXPECT_EQ(ScaleToMonitor(0, 50, 50), 25u);
  EXPECT_EQ(ScaleToPercent(0, 25, 50), 50);
  EXPECT_EQ(ScaleToMonitor(10, 20, 0), 10u);
  EXPECT_EQ(ScaleToMonitor(10, 20, 100), 20u);
  EXPECT_EQ(ScaleToMonitor(0, 3, 50), 2u);     // 1.5 rounds up
  EXPECT_EQ(ScaleToPercent(0, 1, 3), 33);      // 33.3
  EXPECT_EQ(ScaleToPercent(0, 2, 3), 67);      // 66.7
  EXPECT_EQ(ScaleToMonitor(0, 50, 150), 50u);  // clamped request
  EXPECT_EQ(ScaleToMonitor(0, 50, -5), 0u);
  // A current value outside the monitor's own range stays a percent.
  EXPECT_EQ(ScaleToPercent(10, 5, 20), 0);
  EXPECT_EQ(ScaleToPercent(10, 90, 20), 100);
  // The widest range does not overflow.
  EXPECT_EQ(ScaleToMonitor(0, 0xFFFFFFFFu, 100), 0xFFFFFFFFu);
  EXPECT_EQ(ScaleToPercent(0, 0xFFFFFFFFu, 0xFFFFFFFFu), 100);
}

TEST(DdcBrightnessTest, SetsEveryUsableMonitorAndSkipsEmptyRanges) {
  FakeDdc ddc;
  ddc.monitors->push_back(Mon(DdcMonitors::Range{0, 10, 50}));
  ddc.monitors->push_back(Mon(DdcMonitors::Range{7, 7, 7}));  // empty range
  ddc.monitors->push_back(Mon(std::nullopt));                 // read fails
  const Result result = DdcBrightness(ddc, {50, true});
  EXPECT_TRUE(result.supported);
  EXPECT_EQ(result.value, 50);
  EXPECT_EQ((*ddc.monitors)[0].writes, std::vector<std::uint32_t>{25});
  EXPECT_TRUE((*ddc.monitors)[1].writes.empty());
  EXPECT_EQ(ddc.closes, 1);

  // Read back through the same range.
  EXPECT_EQ(DdcBrightness(ddc, {0, false}).value, 50);
}

TEST(DdcBrightnessTest, ReportsTheLastMonitorThatAnswered) {
  FakeDdc ddc;
  ddc.monitors->push_back(Mon(DdcMonitors::Range{0, 20, 100}));
  ddc.monitors->push_back(Mon(DdcMonitors::Range{0, 30, 60}));
  ddc.monitors->push_back(Mon(DdcMonitors::Range{5, 5, 5}));
  EXPECT_EQ(DdcBrightness(ddc, {0, false}).value, 50);

  // A monitor that refuses the write does not report the value it refused.
  (*ddc.monitors)[1].set_ok = false;
  const Result result = DdcBrightness(ddc, {80, true});
  EXPECT_TRUE(result.supported);
  EXPECT_EQ(result.value, 80);  // from monitor 0
  EXPECT_EQ((*ddc.monitors)[1].writes, std::vector<std::uint32_t>{48});
}

TEST(DdcBrightnessTest, UnsupportedWithoutAUsableMonitor) {
  FakeDdc none;
  EXPECT_FALSE(DdcBrightness(none, {40, true}).supported);
  EXPECT_EQ(none.closes, 1);

  FakeDdc empty_only;
  empty_only.monitors->push_back(Mon(DdcMonitors::Range{0, 0, 0}));
  empty_only.monitors->push_back(Mon(DdcMonitors::Range{9, 3, 4}));  // min above max
  EXPECT_FALSE(DdcBrightness(empty_only, {40, true}).supported);
  EXPECT_TRUE((*empty_only.monitors)[0].writes.empty());

  FakeDdc refusing;
  refusing.monitors->push_back(Mon(DdcMonitors::Range{0, 10, 100}, false));
  EXPECT_FALSE(DdcBrightness(refusing, {40, true}).supported);

  FakeDdc cannot_gather;
  cannot_gather.monitors.reset();
  EXPECT_FALSE(DdcBrightness(cannot_gather, {40, false}).supported);
}

TEST(DisplayBrightnessTest, WmiFirstThenDdc) {
  FakeWmi wmi;
  wmi.current = 70;
  FakeDdc ddc;
  ddc.monitors->push_back(Mon(DdcMonitors::Range{0, 10, 100}));

  Result result = DisplayBrightness(wmi, ddc, {0, false});
  EXPECT_TRUE(result.supported);
  EXPECT_EQ(result.value, 70);
  EXPECT_EQ(ddc.opens, 0);

  result = DisplayBrightness(wmi, ddc, {130, true});
  EXPECT_EQ(wmi.writes, std::vector<std::uint8_t>{100});  // clamped to a byte percent
  EXPECT_EQ(result.value, 100);
  EXPECT_EQ(ddc.opens, 0);

  // A failed WMI write goes to DDC/CI.
  wmi.write_ok = false;
  result = DisplayBrightness(wmi, ddc, {40, true});
  EXPECT_EQ(ddc.opens, 1);
  EXPECT_TRUE(result.supported);
  EXPECT_EQ(result.value, 40);

  // No WMI connection, or no brightness class to read: DDC/CI answers.
  wmi.connects = false;
  EXPECT_EQ(DisplayBrightness(wmi, ddc, {0, false}).value, 40);
  wmi.connects = true;
  wmi.current.reset();
  EXPECT_EQ(DisplayBrightness(wmi, ddc, {0, false}).value, 40);
  EXPECT_EQ(ddc.opens, 3);

  FakeDdc nothing;
  EXPECT_FALSE(DisplayBrightness(wmi, nothing, {0, false}).supported);
}

TEST_F(BrightnessViewTest, ReadShowsSupportOrUnavailable) {
  Coalescer state;
  ReadView view = state.OnRead({}, false);
  EXPECT_FALSE(view.slider_enabled);
  EXPECT_EQ(view.label, L"\u2014");
  EXPECT_EQ(view.subtitle, L"Brightness is unavailable on this display");
  EXPECT_EQ(view.status, L"External monitors may require DDC/CI enabled.");

  view = state.OnRead({60, true}, false);
  EXPECT_TRUE(view.slider_enabled);
  EXPECT_TRUE(view.move_thumb);
  EXPECT_EQ(view.label, L"60%");
  EXPECT_EQ(view.subtitle, L"Built-in or primary display");
  EXPECT_EQ(view.status, L"Drag the slider to adjust screen brightness.");

  // A dragged thumb is not moved by a refresh.
  view = state.OnRead({61, true}, true);
  EXPECT_FALSE(view.move_thumb);
  EXPECT_TRUE(view.label.empty());
}

// A fast drag: thumb-track notifications every few ms from 0 to 100, then the
// release. The single slot runs one write at a time, each taking `write_ms`.
TEST_F(BrightnessCoalescingTest, FastDragWritesSpacedNeverOverlappingAndEndsWithTheLastValue) {
  ManualClock clock(1000);
  Coalescer state;
  std::vector<std::pair<std::uint64_t, std::int32_t>> writes;
  std::optional<std::uint64_t> busy_until;  // the running write's finish time

  const auto run_finished = [&] {
    if (busy_until && clock.TickMs() >= *busy_until) {
      busy_until.reset();
      const Coalescer::WriteView view = state.OnWritten({writes.back().second, true}, true, true);
      if (view.flush_now) {
        if (std::optional<std::int32_t> value = state.Flush(false, clock.TickMs(), true)) {
          ASSERT_FALSE(busy_until.has_value());
          writes.emplace_back(clock.TickMs(), *value);
          busy_until = clock.TickMs() + 30;
        }
      }
    }
  };
  const auto start = [&](std::optional<std::int32_t> value) {
    if (!value) return;
    ASSERT_FALSE(busy_until.has_value()) << "two writes overlap";
    writes.emplace_back(clock.TickMs(), *value);
    busy_until = clock.TickMs() + 30;
  };

  std::uint64_t next_tick = clock.TickMs() + 100;
  for (int value = 0; value <= 100; value += 2) {
    clock.Advance(3);
    run_finished();
    start(state.OnSlider(value, false, clock.TickMs(), !busy_until));
    if (clock.TickMs() >= next_tick) {
      next_tick += 100;
      start(state.Flush(false, clock.TickMs(), !busy_until));
    }
  }
  // Release: a thumb-position notification forces the flush once the slot is free.
  clock.Advance(3);
  run_finished();
  start(state.OnSlider(100, true, clock.TickMs(), !busy_until));
  for (int i = 0; i < 20 && (state.pending() || busy_until); ++i) {
    clock.Advance(10);
    run_finished();
    if (clock.TickMs() >= next_tick) {
      next_tick += 100;
      start(state.Flush(false, clock.TickMs(), !busy_until));
    }
  }

  ASSERT_GE(writes.size(), 2u);
  EXPECT_LT(writes.size(), 51u);  // intermediate positions were dropped
  for (std::size_t i = 1; i + 1 < writes.size(); ++i) {
    EXPECT_GT(writes[i].first - writes[i - 1].first, Coalescer::kMinGapMs) << "write " << i;
  }
  EXPECT_EQ(writes.back().second, 100);
  EXPECT_FALSE(state.pending());
}

TEST_F(BrightnessCoalescingTest, FlushRules) {
  Coalescer state;
  EXPECT_FALSE(state.Flush(true, 0, true).has_value());             // nothing pending
  EXPECT_EQ(state.OnSlider(30, false, 1000, true), 30);             // first write goes at once
  EXPECT_FALSE(state.OnSlider(31, false, 1064, true).has_value());  // 64 ms: too soon
  EXPECT_EQ(state.pending_value(), 31);
  EXPECT_EQ(state.Flush(false, 1065, true), 31);
  EXPECT_FALSE(state.OnSlider(40, true, 1066, false).has_value());  // slot busy, even forced
  EXPECT_TRUE(state.pending());
  EXPECT_EQ(state.Flush(false, 1067, true), 40);  // the forced value stays forced
  EXPECT_FALSE(state.OnSlider(44, false, 1068, true).has_value());
  EXPECT_EQ(state.OnSlider(45, true, 1069, true), 45);  // forced within 64 ms
  EXPECT_EQ(state.OnSlider(150, true, 1070, true), 100);

  // A write's continuation: the thumb follows only when nothing newer waits
  // and the slider is free; a waiting value is flushed once the slot is idle.
  Coalescer::WriteView view = state.OnWritten({100, true}, false, true);
  EXPECT_TRUE(view.move_thumb);
  EXPECT_FALSE(view.flush_now);
  EXPECT_EQ(view.status, L"Drag the slider to adjust screen brightness.");
  EXPECT_EQ(state.last().value, 100);

  state.OnSlider(20, false, 1071, false);
  view = state.OnWritten({0, false}, false, true);
  EXPECT_FALSE(view.move_thumb);
  EXPECT_TRUE(view.flush_now);
  EXPECT_EQ(view.status, L"Windows could not change the brightness.");
  EXPECT_EQ(state.last().value, 100);  // a failed write keeps the last result
  EXPECT_FALSE(state.OnWritten({0, false}, false, false).flush_now);
  EXPECT_FALSE(state.OnWritten({20, true}, true, false).move_thumb);
}

}  // namespace
}  // namespace notch::brightness
