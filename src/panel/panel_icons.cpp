#include "panel/panel_icons.h"

#include <optional>

#include "panel/button_layout.h"
#include "render/path_icon.h"

namespace notch::quick {
namespace {

constexpr char kWiFi[] = "M 3 8 Q 12 0 21 8 M 6 12 Q 12 7 18 12 M 9 16 Q 12 13 15 16 M 12 20 L 12 20.1";
constexpr char kWiFiOff[] =
    "M 3 8 Q 12 0 21 8 M 6 12 Q 12 7 18 12 M 9 16 Q 12 13 15 16 M 12 20 L 12 20.1 M 3 3 L 21 21";
constexpr char kBluetooth[] = "M 5 6 L 19 18 L 12 22 L 12 2 L 19 6 L 5 18";
constexpr char kBluetoothOff[] = "M 5 6 L 19 18 L 12 22 L 12 2 L 19 6 L 5 18 M 3 3 L 21 21";
constexpr char kSound[] = "M 3 9 L 7 9 L 12 5 L 12 19 L 7 15 L 3 15 Z M 16 8 Q 20 12 16 16 M 19 5 Q 25 12 19 19";
constexpr char kMuted[] = "M 3 9 L 7 9 L 12 5 L 12 19 L 7 15 L 3 15 Z M 16 9 L 22 15 M 22 9 L 16 15";
constexpr char kNotch[] = "M 3 5 L 21 5 M 6 5 L 6 11 Q 6 14 9 14 L 15 14 Q 18 14 18 11 L 18 5";
constexpr char kRefresh[] = "M 20 10 Q 18 3 12 3 Q 4 3 4 12 Q 4 21 12 21 Q 17 21 20 16 M 15 10 L 20 10 L 20 4";
constexpr char kLink[] =
    "M 10 7 L 13 4 Q 16 1 19 4 Q 22 7 19 10 L 16 13 M 14 17 L 11 20 Q 8 23 5 20 Q 2 17 5 14 L 8 11 M 8 16 L 16 8";
constexpr char kCheck[] = "M 4 12 L 9 17 L 20 6";
constexpr char kOpen[] = "M 13 4 L 20 4 L 20 11 M 20 4 L 10 14 M 9 6 L 4 6 L 4 20 L 18 20 L 18 15";
constexpr char kSliders[] = "M 4 5 L 4 19 M 12 5 L 12 19 M 20 5 L 20 19 M 2 9 L 6 9 M 10 15 L 14 15 M 18 10 L 22 10";
constexpr char kGlobe[] =
    "M 21 12 Q 21 21 12 21 Q 3 21 3 12 Q 3 3 12 3 Q 21 3 21 12 Z M 3 12 L 21 12 M 12 3 Q 4 12 12 21 Q 20 12 12 3";
constexpr char kKeyboard[] =
    "M 3 5 L 21 5 L 21 19 L 3 19 Z M 7 10 L 7 10.1 M 12 10 L 12 10.1 M 17 10 L 17 10.1 M 8 15 L 16 15";

}  // namespace

const char* ControlIconPath(int id, const IconState& state) {
  if (id >= kChipBaseId && id < kChipBaseId + kButtonCount) {
    id = ButtonCatalogue()[static_cast<std::size_t>(id - kChipBaseId)].id;
  }
  const bool radio_page = state.page == Page::WiFi || state.page == Page::Bluetooth;
  switch (id) {
    case control::kBack:
      return "M 15 5 L 8 12 L 15 19";
    case control::kWiFiPage:
      return kWiFi;
    case control::kBluetoothPage:
      return kBluetooth;
    case control::kSoundPage:
      return kSound;
    case control::kMute:
      return state.muted ? kMuted : kSound;
    case control::kDisplayPage:
      return "M 3 4 L 21 4 L 21 17 L 3 17 Z M 12 17 L 12 21 M 7 21 L 17 21";
    case control::kNotchPage:
    case control::kStyleNotch:
      return kNotch;
    case control::kSearchPage:
      return "M 17 10 Q 17 17 10 17 Q 3 17 3 10 Q 3 3 10 3 Q 17 3 17 10 Z M 15 15 L 21 21";
    case control::kTimerPage:
      return "M 20 13 Q 20 21 12 21 Q 4 21 4 13 Q 4 5 12 5 Q 20 5 20 13 Z M 9 2 L 15 2 M 12 8 L 12 13 L 16 15";
    case control::kShelfPage:
      return "M 3 14 L 6 6 L 18 6 L 21 14 L 21 20 L 3 20 Z M 3 14 L 8 14 L 10 17 L 14 17 L 16 14 L 21 14";
    case control::kPrevious:
      return "M 5 5 L 5 19 M 19 5 L 8 12 L 19 19 Z";
    case control::kPlayPause:
      return state.playing ? "M 8 5 L 8 19 M 16 5 L 16 19" : "M 7 4 L 20 12 L 7 20 Z";
    case control::kNext:
      return "M 19 5 L 19 19 M 5 5 L 16 12 L 5 19 Z";
    case control::kLyrics:
      return state.lyrics_on ? "M 3 6 L 21 6 L 21 18 L 3 18 Z M 6 10 L 10 10 M 13 10 L 18 10 M 6 14 L 18 14"
                             : "M 3 6 L 21 6 L 21 18 L 3 18 Z M 3 3 L 21 21";
    case control::kRadioToggle:
      if (state.page == Page::Bluetooth) return state.radio_off ? kBluetoothOff : kBluetooth;
      if (state.page == Page::WiFi) return state.radio_off ? kWiFiOff : kWiFi;
      return nullptr;
    case control::kRefresh:
    case control::kResetLayout:
      return kRefresh;
    case control::kAct:
      if (radio_page) return kLink;
      return state.page == Page::SearchSettings ? kCheck : kOpen;
    case control::kPromptSubmit:
      return kCheck;
    case control::kSettings:
    case control::kSearchSettings:
      return kSliders;
    case control::kRemember:
      return "M 5 12 L 10 17 L 19 7";
    case control::kPromptCancel:
      return "M 6 6 L 18 18 M 18 6 L 6 18";
    case control::kTheme:
      return "M 12 3 Q 21 3 21 11 Q 21 15 17 15 L 14 15 Q 12 15 13 18 Q 14 21 11 21 Q 3 21 3 12 Q 3 3 12 3 Z "
             "M 8 9 L 8 9.1 M 12 6 L 12 6.1 M 17 9 L 17 9.1 M 7 14 L 7 14.1";
    case control::kAutoHide:
      return "M 4 8 Q 12 2 20 8 Q 23 12 20 16 Q 12 22 4 16 Q 1 12 4 8 Z M 3 3 L 21 21";
    case control::kStylePill:
      return "M 7 8 L 17 8 Q 21 8 21 12 Q 21 16 17 16 L 7 16 Q 3 16 3 12 Q 3 8 7 8 Z";
    case control::kStyleActivity:
      return "M 2 12 L 6 12 L 9 5 L 13 19 L 16 12 L 22 12";
    case control::kDefaultBrowser:
    case 136:  // the fallback browser button
      return kGlobe;
    case 132:  // the shortcut presets
    case 133:
    case 134:
      return kKeyboard;
    case 135:  // Browse
      return "M 3 7 L 10 7 L 12 10 L 21 10 L 21 20 L 3 20 Z M 3 7 L 3 4 L 11 4";
    case control::kTerminal:
      return "M 3 5 L 21 5 L 21 19 L 3 19 Z M 7 9 L 10 12 L 7 15 M 13 15 L 17 15";
    case control::kHotspot:
      return "M 12 13 L 12 21 M 9 21 L 15 21 M 12 10 L 12 10.2 M 8 6 Q 4 10 8 14 M 16 6 Q 20 10 16 14 "
             "M 5 3 Q -2 10 5 17 M 19 3 Q 26 10 19 17";
    case control::kMediaPage:
      return "M 3 11 L 12 3 L 21 11 M 5 9 L 5 21 L 10 21 L 10 15 L 14 15 L 14 21 L 19 21 L 19 9";
    case control::kClipboardPage:
      return "M 8 5 L 5 5 L 5 21 L 19 21 L 19 5 L 16 5 M 8 3 L 16 3 L 16 7 L 8 7 Z M 8 12 L 16 12 M 8 16 L 14 16";
    case control::kStatisticsPage:
      return "M 3 4 L 21 4 L 21 20 L 3 20 Z M 6 13 L 9 13 L 11 8 L 14 16 L 16 12 L 18 12";
    case control::kCustomize:
      return "M 3 5 L 8 5 L 8 10 L 3 10 Z M 16 14 L 21 14 L 21 19 L 16 19 Z M 11 7 L 19 7 L 19 10 M 13 17 L 5 17 "
             "L 5 14";
    default:
      return nullptr;
  }
}

std::vector<Polyline> IconPolylines(std::string_view path, const RectF& rect, float max_size, int curve_steps) {
  std::vector<Polyline> lines;
  const std::optional<Transform> placement = PathIconPlacement(rect, max_size);
  const std::optional<std::vector<PathData>> figures = ParsePathIcon(path);
  if (!placement || !figures) return lines;
  const int steps = curve_steps < 1 ? 1 : curve_steps;
  for (const PathData& figure : *figures) {
    Polyline line{placement->Apply(figure.start)};
    PointF at = figure.start;
    for (const PathSegment& segment : figure.segments) {
      if (segment.kind == PathSegment::Kind::Quadratic) {
        for (int i = 1; i < steps; ++i) {
          const float t = static_cast<float>(i) / static_cast<float>(steps);
          const float u = 1.0f - t;
          const PointF p{u * u * at.x + 2.0f * u * t * segment.control.x + t * t * segment.end.x,
                         u * u * at.y + 2.0f * u * t * segment.control.y + t * t * segment.end.y};
          line.push_back(placement->Apply(p));
        }
      }
      line.push_back(placement->Apply(segment.end));
      at = segment.end;
    }
    if (figure.closed) line.push_back(line.front());
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace notch::quick
