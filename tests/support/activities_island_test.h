#pragma once
// A test fixture: an island on the virtual platform that draws with the real
// activity set on a recording canvas, started with an empty [Notch] section
// and English texts. The activities' tests click and draw through it.
#include <gtest/gtest.h>

#include <utility>

#include "activities/island_activity_set.h"
#include "activities/media_layout.h"
#include "common/ini_document.h"
#include "host/host_state.h"
#include "host/language.h"
#include "host/settings.h"
#include "render/fonts.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/recording_canvas.h"

namespace notch::testing {

class ActivitiesIslandTest : public ::testing::Test {
 protected:
  // The ports may point at members of the derived fixture: they are only
  // stored here, and the island starts once that fixture is built.
  explicit ActivitiesIslandTest(ActivityPorts ports) : activities_(fonts_, settings_, std::move(ports)) {
    SetLanguageFlag(kEnglish);
    platform_.canvas = &canvas_;
  }

  // The expanded card's content box, where its pages draw.
  RectF Box() const {
    const IslandRecord& r = island_.record();
    return MediaCardBox(r.style, r.theme, island_.CurrentShapeRect(), island_.notch_height());
  }
  // Draws the current frame again on an empty canvas.
  void Redraw() {
    canvas_.ops.clear();
    island_.Redraw();
  }

  RecordingCanvas canvas_;
  FontSet fonts_;
  IniDocument file_ = IniDocument::Parse(L"[Notch]\n");
  Settings settings_{file_};
  HostState host_;
  MediaState media_;
  VirtualIslandPlatform platform_;
  VirtualPanel panel_;
  IslandActivitySet activities_;
  Island island_{platform_, panel_, activities_, settings_, host_, media_};
};

}  // namespace notch::testing
