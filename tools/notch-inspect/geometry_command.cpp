// notch-inspect geometry: the target shape of one state.
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "command.h"
#include "host/settings.h"
#include "shell/ilha/island_geometry.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect geometry --style notch|pill|activity --theme 0-3 --state NAME\n"
    "                              [--dpi N] [--privacy] [--lyric-width W] [--countdown]\n"
    "                              [--page P] [--panel WxH]\n"
    "\n"
    "Prints, as one JSON object, the target geometry of island state NAME (Hidden,\n"
    "Idle, Media, Timer, Hud, Notification or Expanded) on a 1920x1080 primary\n"
    "monitor of N DPI (default 96; the island window has the same DPI):\n"
    "\n"
    "  width, height, upper_radius, lower_radius   the shape (DIPs)\n"
    "  N            the notch band's height (DIPs)\n"
    "  K            how far the shape's top sits below the screen edge (DIPs)\n"
    "  shape        {left, top, right, bottom} in window DIPs\n"
    "  region       [left, top, right, bottom]: the window region at rest (pixels;\n"
    "               [0,0,0,0] for Hidden, whose opacity is 0)\n"
    "  window       [left, top, right, bottom]: the window on the screen (pixels)\n"
    "  surface_height   the drawing surface's height (pixels)\n"
    "\n"
    "Options: theme 0 Sequoia, 1 Tahoe, 2 Golden Gate, 3 Leopard; --privacy: the\n"
    "microphone or camera is in use; --lyric-width W: a track with timed lyrics\n"
    "whose widest line is W DIPs; --countdown: a countdown runs; --page P: the\n"
    "expanded page (0 media, 1 timer, 2 clipboard, 3 shelf, 4 statistics, 5 Quick\n"
    "Controls); --panel WxH: the Quick Controls content size in DIPs (page 5,\n"
    "default 300x200).\n";

std::optional<IslandState> StateNamed(const std::string& name) {
  for (int i = 0; i <= static_cast<int>(IslandState::Expanded); ++i) {
    if (name == IslandStateName(static_cast<IslandState>(i))) return static_cast<IslandState>(i);
  }
  return std::nullopt;
}

std::optional<IslandStyle> StyleNamed(const std::string& name) {
  if (name == "notch") return IslandStyle::Notch;
  if (name == "pill") return IslandStyle::Pill;
  if (name == "activity") return IslandStyle::ActivityOnly;
  return std::nullopt;
}

double Rounded(float value) { return std::round(static_cast<double>(value) * 1000.0) / 1000.0; }

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kGeometryCommand;
const Command kGeometryCommand{"geometry", "target shape, region and surface of an island state", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  GeometryInputs in;
  std::optional<IslandStyle> style;
  std::optional<IslandState> state;
  std::optional<int> theme;
  unsigned dpi = 96;
  in.panel_size = {300.0f, 200.0f};
  try {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      const std::string& option = arguments[i];
      const auto value = [&]() -> const std::string& {
        if (i + 1 >= arguments.size()) throw std::invalid_argument(option + " needs a value");
        return arguments[++i];
      };
      if (option == "--style") {
        style = StyleNamed(value());
      } else if (option == "--theme") {
        theme = std::stoi(value());
      } else if (option == "--state") {
        state = StateNamed(value());
      } else if (option == "--dpi") {
        dpi = static_cast<unsigned>(std::stoul(value()));
      } else if (option == "--privacy") {
        in.privacy = true;
      } else if (option == "--lyric-width") {
        in.lyric_width = std::stof(value());
        in.lyrics_timed = true;
        in.track_exists = true;
      } else if (option == "--countdown") {
        in.countdown_running = true;
      } else if (option == "--page") {
        in.page = std::stoi(value());
      } else if (option == "--panel") {
        const std::string size = value();
        const std::size_t x = size.find('x');
        if (x == std::string::npos) throw std::invalid_argument("--panel takes WxH");
        in.panel_size = {std::stof(size.substr(0, x)), std::stof(size.substr(x + 1))};
      } else {
        throw std::invalid_argument("unknown option " + option);
      }
    }
  } catch (const std::exception& problem) {
    return UsageError(kGeometryCommand, err, problem.what());
  }
  if (!style || !state || !theme || *theme < 0 || *theme > 3 || dpi < 48 || in.page < 0 || in.page > 5) {
    return UsageError(kGeometryCommand, err, "--style, --theme 0-3 and --state are needed (and --dpi 48 or more)");
  }

  in.style = *style;
  in.theme = static_cast<Theme>(*theme);
  const float scale = static_cast<float>(dpi) / 96.0f;
  in.notch_height = NotchHeight(dpi, scale, in.theme);
  const ShapeGeometry g = TargetGeometry(*state, in);
  const RectF shape = ShapeRect(g.width, g.height, in.style, in.notch_height);
  const float opacity = *state == IslandState::Hidden ? 0.0f : 1.0f;
  const PixelRect region = RegionRect(g.width, g.height, in.style, in.theme, in.notch_height, scale, opacity, opacity);
  const PixelRect window = WindowPlacement({0, 0, 1920, 1080}, scale);

  nlohmann::ordered_json json;
  json["width"] = Rounded(g.width);
  json["height"] = Rounded(g.height);
  json["upper_radius"] = Rounded(g.upper_radius);
  json["lower_radius"] = Rounded(g.lower_radius);
  json["N"] = Rounded(in.notch_height);
  json["K"] = Rounded(ShapeTop(in.style, in.notch_height));
  json["shape"] = {{"left", Rounded(shape.left)},
                   {"top", Rounded(shape.top)},
                   {"right", Rounded(shape.right)},
                   {"bottom", Rounded(shape.bottom)}};
  json["region"] = {region.left, region.top, region.right, region.bottom};
  json["window"] = {window.left, window.top, window.right, window.bottom};
  json["surface_height"] = DrawingSurfaceSize(scale, *state == IslandState::Expanded).height;
  out << json.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
