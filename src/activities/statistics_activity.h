#pragma once
// The statistics activity: samples the system's counters once a second
// while the statistics page shows, and draws the page's three tiles (CPU,
// memory, network) with their history graphs.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "activities/system_statistics.h"
#include "render/canvas.h"
#include "render/text_formats.h"
#include "shell/ilha/island_ports.h"

namespace notch {

// Where the counters come from: the system in the program, fixed readings in tests.
class StatisticsSource {
 public:
  virtual ~StatisticsSource() = default;
  virtual StatisticsReadings Read() = 0;
};

// The graph of `values` in `area`: the newest value at the right edge, one
// step of width / 39 between values, each divided by `scale` and clamped to
// [0, 1]. `line` runs through the points; `fill` also closes the area under
// them. Needs at least two values.
struct GraphFigures {
  PathData fill, line;
};
GraphFigures HistoryGraph(const std::deque<float>& values, float scale, const RectF& area);

class StatisticsActivity {
 public:
  // Without a source, samples read nothing.
  explicit StatisticsActivity(StatisticsSource* source) : source_(source) { UpdateTexts(); }

  void Attach(IslandCommands& island) { island_ = &island; }
  void Sample();
  // The page in the content box `box` (left L, right R, top y).
  void Draw(Canvas& canvas, const RectF& box, Theme theme, const IslandTextFormats& formats);

  const SystemStatistics& statistics() const { return statistics_; }
  // For pictures and tests: samples from readings at a given time.
  void SampleReadings(const StatisticsReadings& readings, double now_ms);

 private:
  struct Graph {
    std::unique_ptr<CanvasPath> fill, line;
    std::uint64_t generation = 0;
    RectF area;
    const void* domain = nullptr;
  };
  void UpdateTexts();
  void DrawGraph(Canvas& canvas, Graph& graph, const std::deque<float>& values, float scale, const RectF& area,
                 Colour colour);

  StatisticsSource* source_;
  IslandCommands* island_ = nullptr;
  SystemStatistics statistics_;
  // The texts of the last sample.
  std::wstring cpu_text_, memory_text_, download_text_, upload_text_;
  std::array<Graph, 3> graphs_;
};

}  // namespace notch
