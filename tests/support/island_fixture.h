#pragma once
// An island on the virtual platform, with a settings file in memory.
#include <gtest/gtest.h>

#include <string>

#include "common/ini_document.h"
#include "host/language.h"
#include "host/settings.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"
#include "support/log_capture.h"

namespace notch::testing {

class IslandFixture : public ::testing::Test {
 protected:
  IslandFixture() { SetLanguageFlag(kEnglish); }

  // Starts the island with these lines of the [Notch] section.
  void Start(const std::wstring& notch_section = L"") {
    file_ = IniDocument::Parse(L"[Notch]\n" + notch_section);
    island_.Start();
  }
  void Run(double ms) { platform_.Advance(ms, island_); }
  // Lets every animation settle.
  void Settle() { Run(2000); }

  void Setting(const wchar_t* key, const wchar_t* value) {
    settings_.Write(key, value);
    island_.ApplySettings();
  }

  void PublishMedia(bool has_media, bool playing, const std::wstring& title = L"Song") {
    {
      std::lock_guard lock(media_.mutex);
      media_.pending.has_media = has_media;
      media_.pending.playing = playing;
      media_.pending.title = has_media ? title : L"";
      media_.pending.sample_time_ms = platform_.clock_value.NowMs();
    }
    island_.OnMediaUpdate(false);
  }

  IslandState state() const { return island_.record().state; }
  const IslandRecord& record() const { return island_.record(); }

  // A point inside the shape, in client pixels.
  ScreenPoint ShapeCentre() const {
    const RectF shape = island_.CurrentShapeRect();
    const float s = island_.scale();
    return {static_cast<int>(shape.centre().x * s), static_cast<int>(shape.centre().y * s)};
  }
  void Click(ScreenPoint point) {
    island_.OnLeftButtonDown(point);
    island_.OnLeftButtonUp(point);
  }

  LogCapture log_;
  IniDocument file_;
  Settings settings_{file_};
  HostState host_;
  MediaState media_;
  VirtualIslandPlatform platform_;
  VirtualPanel panel_;
  VirtualActivities activities_;
  Island island_{platform_, panel_, activities_, settings_, host_, media_};
};

}  // namespace notch::testing
