// One island frame's painting without a device: the shape in its heaviest
// looks (the Leopard notch's shadow passes, the glass rim) and the notice
// card over it, on the island's counting canvas.
#include <benchmark/benchmark.h>

#include "activities/island_activity_set.h"
#include "common/ini_document.h"
#include "render/island_painter.h"
#include "shell/ilha/shape_paths.h"
#include "shell/ilha/virtual_island.h"

namespace notch {
namespace {

void PaintNoticeFrame(benchmark::State& state, IslandStyle style, Theme theme) {
  CountingCanvas canvas;
  FontSet fonts;
  IniDocument file;
  const Settings settings(file);
  IslandActivitySet activities(fonts, settings, {});
  const MediaSnapshot media;
  const Countdown countdown;
  activities.ApplyThemeColours(static_cast<unsigned>(theme));
  IslandRecord record;
  record.style = style;
  record.card = NoticeCard{L"Download concluído", L"relatorio.pdf", kDownloadGlyph, kDownloadBlue, {}, {}};
  const RectF shape{78, 0, 422, 76};
  ShapePaths paths;
  for (auto _ : state) {
    const IslandPaintInputs look = paths.Prepare(canvas, {shape, 12.0f, 20.0f, 1.0f, 26.0f, style, theme, false});
    PaintIslandFrame(canvas, look, [&] {
      activities.DrawContent(canvas,
                             {IslandState::Notification, record, media, countdown, shape, 12.0f, 1.0f, 26.0f, 0.0});
    });
  }
  benchmark::DoNotOptimize(canvas.paths_created);
}

void BM_PaintLeopardNotchCard(benchmark::State& state) { PaintNoticeFrame(state, IslandStyle::Notch, Theme::Leopard); }
void BM_PaintGoldenGatePillCard(benchmark::State& state) {
  PaintNoticeFrame(state, IslandStyle::Pill, Theme::GoldenGate);
}
BENCHMARK(BM_PaintLeopardNotchCard);
BENCHMARK(BM_PaintGoldenGatePillCard);

}  // namespace
}  // namespace notch
