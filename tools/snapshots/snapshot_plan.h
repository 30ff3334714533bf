#pragma once
// What the snapshot tool draws: island frames of every style and theme in a
// few states and with each HUD, document badges of each family in three
// sizes, and a sheet of symbols and path icons. The Windows tests read the
// same plan to check the pictures.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host/settings.h"
#include "render/geometry.h"
#include "shell/ilha/island_geometry.h"
#include "shell/ilha/island_record.h"
#include "shell/ilha/island_types.h"

namespace notch::snapshots {

inline constexpr int kIslandWidth = 500;  // the window's canvas, at 96 DPI
inline constexpr int kIslandHeight = 96;  // the compact drawing surface
inline constexpr int kExpandedHeight = 430;
// The sample track's widest lyric line, as its timed lyrics would measure.
inline constexpr float kSampleLyricWidth = 180.0f;
inline constexpr unsigned kMonitorDpi = 96;

// What the timer and shelf pictures show besides the state.
enum class ActivitySample {
  None,
  Countdown,  // a 5-minute countdown with 2:14 left
  EmptyShelf,
  HoveredShelf,  // files dragged over the island
  ShelfFiles,    // six files on the shelf, the second tile shown hovered
  PageFilled,    // the clipboard and statistics pages with sample entries and samples
};

// What a HUD picture shows.
enum class HudSample { Volume, Muted, CapsLockOn, CapsLockOff, Battery, BatteryLow, Charging };

inline void ApplyHudSample(HudSample sample, IslandRecord& record) {
  record.hud_kind = sample == HudSample::Volume || sample == HudSample::Muted             ? HudKind::Volume
                    : sample == HudSample::CapsLockOn || sample == HudSample::CapsLockOff ? HudKind::CapsLock
                                                                                          : HudKind::Battery;
  record.hud_volume_level = sample == HudSample::Muted ? 0.0f : 0.6f;
  record.hud_muted = sample == HudSample::Muted;
  record.caps_lock_on = sample == HudSample::CapsLockOn;
  record.battery_present = true;
  record.battery_percent = sample == HudSample::BatteryLow ? 10 : sample == HudSample::Charging ? 81 : 55;
  record.on_ac_power = sample == HudSample::Charging;
}

struct IslandSnapshot {
  IslandStyle style;
  Theme theme;
  IslandState state;
  bool long_title = false;  // a notice whose title is too long for the card
  std::wstring file_name;
  int page = page::kMedia;
  ActivitySample sample = ActivitySample::None;
  HudSample hud = HudSample::Volume;  // for the Hud state
  std::uint32_t privacy_bits = 0;     // microphone (1) and camera (2) in use

  // The sample track plays, with art and word-timed lyrics, in the pill
  // (Media) or on the expanded card's media page (Expanded).
  bool media() const { return state == IslandState::Media || (state == IslandState::Expanded && page == page::kMedia); }
  int height() const { return state == IslandState::Expanded ? kExpandedHeight : kIslandHeight; }
};

inline const wchar_t* ThemeName(Theme theme) {
  constexpr std::array<const wchar_t*, 4> kNames = {L"sequoia", L"tahoe", L"golden-gate", L"leopard"};
  return kNames[static_cast<std::size_t>(theme)];
}

inline std::vector<IslandSnapshot> IslandSnapshots() {
  struct StateName {
    IslandState state;
    const wchar_t* name;
  };
  constexpr std::array<StateName, 5> kStates = {{{IslandState::Hidden, L"hidden"},
                                                 {IslandState::Idle, L"idle"},
                                                 {IslandState::Notification, L"notification"},
                                                 {IslandState::Media, L"media"},
                                                 {IslandState::Expanded, L"media-card"}}};
  struct PageName {
    int page;
    const wchar_t* name;
  };
  constexpr std::array<PageName, 2> kPages = {{{page::kClipboard, L"clipboard"}, {page::kStatistics, L"statistics"}}};
  struct HudName {
    HudSample sample;
    const wchar_t* name;
    bool every_look;  // otherwise drawn in the Sequoia look only
  };
  constexpr std::array<HudName, 7> kHuds = {{{HudSample::Volume, L"hud-volume", true},
                                             {HudSample::CapsLockOn, L"hud-caps-lock", true},
                                             {HudSample::Battery, L"hud-battery", true},
                                             {HudSample::Muted, L"hud-volume-muted", false},
                                             {HudSample::CapsLockOff, L"hud-caps-lock-off", false},
                                             {HudSample::BatteryLow, L"hud-battery-low", false},
                                             {HudSample::Charging, L"hud-battery-charging", false}}};
  std::vector<IslandSnapshot> plan;
  for (const IslandStyle style : {IslandStyle::Notch, IslandStyle::Pill}) {
    const std::wstring style_name = style == IslandStyle::Notch ? L"notch" : L"pill";
    for (const Theme theme : {Theme::Sequoia, Theme::Tahoe, Theme::GoldenGate, Theme::Leopard}) {
      const std::wstring prefix = style_name + L"-" + ThemeName(theme) + L"-";
      for (const StateName& s : kStates) plan.push_back({style, theme, s.state, false, prefix + s.name + L".png"});
      for (const HudName& h : kHuds) {
        if (h.every_look || theme == Theme::Sequoia) {
          plan.push_back({style, theme, IslandState::Hud, false, prefix + h.name + L".png", page::kMedia,
                          ActivitySample::None, h.sample});
        }
      }
      for (const PageName& p : kPages) {
        plan.push_back({style, theme, IslandState::Expanded, false, prefix + p.name + L".png", p.page,
                        ActivitySample::PageFilled});
      }
    }
    for (const PageName& p : kPages) {
      plan.push_back({style, Theme::Sequoia, IslandState::Expanded, false,
                      style_name + L"-sequoia-" + p.name + L"-empty.png", p.page, ActivitySample::None});
    }
    plan.push_back(
        {style, Theme::Sequoia, IslandState::Notification, true, style_name + L"-sequoia-notification-long.png"});
    // The timer and the shelf.
    struct ActivityPicture {
      Theme theme;
      IslandState state;
      int page;
      ActivitySample sample;
      const wchar_t* name;
    };
    constexpr ActivityPicture kActivities[] = {
        {Theme::Sequoia, IslandState::Timer, page::kMedia, ActivitySample::Countdown, L"sequoia-timer"},
        {Theme::Sequoia, IslandState::Expanded, page::kTimer, ActivitySample::None, L"sequoia-timer-presets"},
        {Theme::Sequoia, IslandState::Expanded, page::kTimer, ActivitySample::Countdown, L"sequoia-timer-running"},
        {Theme::Tahoe, IslandState::Expanded, page::kTimer, ActivitySample::None, L"tahoe-timer-presets"},
        {Theme::Sequoia, IslandState::Expanded, page::kShelf, ActivitySample::EmptyShelf, L"sequoia-shelf-empty"},
        {Theme::Sequoia, IslandState::Expanded, page::kShelf, ActivitySample::HoveredShelf, L"sequoia-shelf-hovered"},
        {Theme::Sequoia, IslandState::Expanded, page::kShelf, ActivitySample::ShelfFiles, L"sequoia-shelf-files"},
        {Theme::Leopard, IslandState::Expanded, page::kShelf, ActivitySample::ShelfFiles, L"leopard-shelf-files"},
    };
    for (const ActivityPicture& a : kActivities) {
      plan.push_back({style, a.theme, a.state, false, style_name + L"-" + a.name + L".png", a.page, a.sample});
    }
    // The microphone and camera dot on the pill.
    struct PrivacyPicture {
      IslandState state;
      ActivitySample sample;
      std::uint32_t bits;
      const wchar_t* name;
    };
    constexpr PrivacyPicture kPrivacy[] = {
        {IslandState::Idle, ActivitySample::None, 1, L"idle-microphone"},
        {IslandState::Idle, ActivitySample::None, 2, L"idle-camera"},
        {IslandState::Media, ActivitySample::None, 3, L"media-microphone-camera"},
        {IslandState::Timer, ActivitySample::Countdown, 1, L"timer-microphone"},
    };
    for (const PrivacyPicture& p : kPrivacy) {
      plan.push_back({style, Theme::Sequoia, p.state, false, style_name + L"-sequoia-" + p.name + L".png", page::kMedia,
                      p.sample, HudSample::Volume, p.bits});
    }
  }
  return plan;
}

struct ShapeAtRest {
  ShapeGeometry geometry;
  RectF shape;
  float notch_height;
};

inline ShapeAtRest ShapeOf(const IslandSnapshot& snapshot) {
  GeometryInputs in;
  in.style = snapshot.style;
  in.theme = snapshot.theme;
  in.notch_height = NotchHeight(kMonitorDpi, 1.0f, snapshot.theme);
  in.page = snapshot.page;
  in.countdown_running = snapshot.sample == ActivitySample::Countdown;
  in.privacy = snapshot.privacy_bits != 0;
  if (snapshot.media()) {
    in.lyrics_timed = true;
    in.track_exists = true;
    in.lyric_width = kSampleLyricWidth;
  }
  const ShapeGeometry g = TargetGeometry(snapshot.state, in);
  return {g, ShapeRect(g.width, g.height, snapshot.style, in.notch_height), in.notch_height};
}

struct BadgeSnapshot {
  std::wstring extension;
  int size;
  std::wstring file_name;
};

inline std::vector<BadgeSnapshot> BadgeSnapshots() {
  std::vector<BadgeSnapshot> plan;
  for (const wchar_t* extension : {L"zip", L"json", L"mp3", L"mp4", L"png", L"pdf", L"markdown"}) {
    for (const int size : {24, 32, 64}) {
      plan.push_back({extension, size, std::wstring(L"badge-") + extension + L"-" + std::to_wstring(size) + L".png"});
    }
  }
  return plan;
}

inline constexpr wchar_t kSymbolSheet[] = L"symbols.png";

}  // namespace notch::snapshots
