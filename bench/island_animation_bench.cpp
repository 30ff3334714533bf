// One animation frame of the island: five springs, the outline when the
// shape changed, the cross-fade and the window region.
#include <benchmark/benchmark.h>

#include "common/ini_document.h"
#include "host/language.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"

namespace notch {
namespace {

void BM_IslandAnimationStep(benchmark::State& state) {
  SetLanguageFlag(kEnglish);
  IniDocument file = IniDocument::Parse(L"[Notch]\n");
  Settings settings(file);
  HostState host;
  MediaState media;
  VirtualIslandPlatform platform;
  VirtualPanel panel;
  VirtualActivities activities;
  Island island(platform, panel, activities, settings, host, media);
  island.Start();
  bool card = false;
  for (auto _ : state) {
    if (!island.record().animating) {
      // Keep it moving: alternate between a card and the resting notch.
      card = !card;
      if (card) {
        island.ShowNotification(L"App", L"Title", L"Body", nullptr);
      } else {
        island.OnTimer(island_timer::kCard);
      }
    }
    platform.clock_value.Advance(VirtualIslandPlatform::kFrameIntervalMs);
    island.OnFrame();
  }
}
BENCHMARK(BM_IslandAnimationStep);

}  // namespace
}  // namespace notch
