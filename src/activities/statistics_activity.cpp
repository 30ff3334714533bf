#include "activities/statistics_activity.h"

#include <algorithm>
#include <cmath>

#include "host/translate.h"
#include "render/button_highlight.h"

namespace notch {
namespace {

constexpr float kGraphSteps = 39.0f;
constexpr float kGraphLineWidth = 1.3f;
constexpr float kGraphFillAlpha = 0.25f;
constexpr Colour kCpuBlue{0.35f, 0.65f, 1.0f, 1.0f};
constexpr Colour kMemoryGreen{0.2f, 0.84f, 0.29f, 1.0f};
constexpr Colour kNetworkOrange{1.0f, 0.62f, 0.04f, 1.0f};

float TileRadius(Theme theme) {
  switch (theme) {
    case Theme::Leopard:
      return 6.0f;
    case Theme::GoldenGate:
      return 16.0f;
    case Theme::Sequoia:
    case Theme::Tahoe:
      break;
  }
  return 13.0f;
}

std::wstring Percent(float load) { return std::to_wstring(std::lround(load * 100.0f)) + L"%"; }

}  // namespace

GraphFigures HistoryGraph(const std::deque<float>& values, float scale, const RectF& area) {
  GraphFigures g;
  const std::size_t n = values.size();
  if (n < 2) return g;
  const float step = area.width() / kGraphSteps;
  const float height = area.height();
  const auto point = [&](std::size_t i) {
    const float value = std::clamp(values[i] / scale, 0.0f, 1.0f);
    return PointF{area.right - static_cast<float>(n - 1 - i) * step, area.bottom - height * value};
  };
  g.line = PathData{point(0), {}, false};
  g.fill = PathData{{point(0).x, area.bottom}, {}, true};
  for (std::size_t i = 0; i < n; ++i) {
    const PointF p = point(i);
    // A point inside a level run adds nothing to the figure (and Wine's
    // Direct2D strokes the join of two collinear segments with a spike).
    if (i > 0 && i + 1 < n && point(i - 1).y == p.y && point(i + 1).y == p.y) continue;
    g.fill.LineTo(p);
    if (i > 0) g.line.LineTo(p);
  }
  g.fill.LineTo({area.right, area.bottom});
  return g;
}

void StatisticsActivity::Sample() {
  SampleReadings(source_ ? source_->Read() : StatisticsReadings{}, island_ ? island_->now_ms() : 0.0);
}

void StatisticsActivity::SampleReadings(const StatisticsReadings& readings, double now_ms) {
  statistics_.Sample(readings, now_ms);
  UpdateTexts();
}

void StatisticsActivity::UpdateTexts() {
  cpu_text_ = Percent(statistics_.cpu_load());
  memory_text_ = Percent(statistics_.memory_load());
  download_text_ = L"\u2193 " + FormatRate(statistics_.download_rate());
  upload_text_ = L"\u2191 " + FormatRate(statistics_.upload_rate());
}

void StatisticsActivity::Draw(Canvas& canvas, const RectF& box, Theme theme, const IslandTextFormats& formats) {
  struct Tile {
    const wchar_t* label;
    const std::wstring* value;
    const std::deque<float>* history;
    float scale;
    Colour colour;
  };
  const std::array<Tile, 3> tiles = {{
      {L"CPU", &cpu_text_, &statistics_.cpu_history(), 1.0f, kCpuBlue},
      {Translate(L"Memória"), &memory_text_, &statistics_.memory_history(), 1.0f, kMemoryGreen},
      {Translate(L"Rede"), &download_text_, &statistics_.network_history(), statistics_.NetworkScale(), kNetworkOrange},
  }};
  const float y = box.top;
  const float w = (box.right - box.left - 20.0f - 12.0f) / 3.0f;
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const Tile& tile = tiles[i];
    const bool network = i == 2;
    const float x = box.left + 10.0f + static_cast<float>(i) * (w + 6.0f);
    DrawButtonHighlight(canvas, {x, y + 2.0f, x + w, y + 94.0f}, TileRadius(theme), theme, ButtonState::Rest);
    canvas.DrawText(tile.label, formats[TextRole::SmallLeading], {x + 9.0f, y + 8.0f, x + w - 6.0f, y + 22.0f},
                    Brush::Solid(White(0.55f)));
    canvas.DrawText(*tile.value, formats[network ? TextRole::Secondary : TextRole::Value],
                    {x + 9.0f, y + 22.0f, x + w - 6.0f, y + 44.0f}, Brush::Solid(White()));
    if (network) {
      canvas.DrawText(upload_text_, formats[TextRole::SmallLeading], {x + 9.0f, y + 38.0f, x + w - 6.0f, y + 52.0f},
                      Brush::Solid(White(0.55f)));
    }
    DrawGraph(canvas, graphs_[i], *tile.history, tile.scale, {x + 8.0f, y + 56.0f, x + w - 8.0f, y + 86.0f},
              tile.colour);
  }
}

// The graph's paths are made again only for a new sample, another area or
// another canvas domain.
void StatisticsActivity::DrawGraph(Canvas& canvas, Graph& graph, const std::deque<float>& values, float scale,
                                   const RectF& area, Colour colour) {
  if (values.size() < 2) return;
  if (!graph.fill || graph.generation != statistics_.generation() || !(graph.area == area) ||
      graph.domain != canvas.PathDomain()) {
    const GraphFigures figures = HistoryGraph(values, scale, area);
    graph.fill = canvas.CreatePath(figures.fill);
    graph.line = canvas.CreatePath(figures.line);
    graph.generation = statistics_.generation();
    graph.area = area;
    graph.domain = canvas.PathDomain();
  }
  if (!graph.fill || !graph.line) return;
  canvas.FillPath(*graph.fill, Brush::Solid(WithAlpha(colour, kGraphFillAlpha)));
  canvas.StrokePath(*graph.line, Brush::Solid(colour), kGraphLineWidth, LineStyle::Round);
}

}  // namespace notch
