// notch-inspect island SCRIPT: replays a timed script of the island's inputs
// on the virtual platform and prints what the island does.
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "common/ini_document.h"
#include "common/text.h"
#include "host/host_state.h"
#include "host/language.h"
#include "host/notification_listener.h"
#include "host/settings.h"
#include "shell/ilha/island.h"
#include "shell/ilha/virtual_island.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect island SCRIPT      (SCRIPT a file, or - for standard input)\n"
    "\n"
    "Replays SCRIPT through the island's state machine on a virtual platform\n"
    "(1920x1080 primary monitor at 96 DPI, a virtual clock starting at 0 ms, a\n"
    "60 Hz frame clock) and prints one JSON object per line:\n"
    "\n"
    "  {\"t\":MS,\"from\":STATE,\"to\":STATE,\"previous\":STATE,\"animation_kind\":K}\n"
    "      a state change; STATE is Hidden, Idle, Media, Timer, Hud,\n"
    "      Notification or Expanded; previous is where the transition starts;\n"
    "      K is 0 other, 1 towards Notification/Expanded, 2 away from them,\n"
    "      3 a switch to or from the Quick Controls page\n"
    "  {\"t\":MS,\"timer\":ID,\"set\":PERIOD_MS}  or  {\"t\":MS,\"timer\":ID,\"kill\":true}\n"
    "      an island timer set or killed (killing a stopped timer prints nothing)\n"
    "  {\"t\":MS,\"settled\":{\"width\":W,\"height\":H,\"upper_radius\":U,\n"
    "      \"lower_radius\":L,\"opacity\":O},\"region\":[LEFT,TOP,RIGHT,BOTTOM]}\n"
    "      the animation came to rest: the springs' positions (DIPs) and the\n"
    "      window region (pixels; [0,0,0,0] when empty)\n"
    "  {\"t\":MS,\"posted\":{\"app\":APP,\"title\":TITLE,\"body\":BODY,\"app_id\":ID}}\n"
    "      a poll of the notification listener handed a toast to the host,\n"
    "      which shows it on the island\n"
    "\n"
    "Script: one event per line; blank lines and lines starting with # are\n"
    "ignored; TEXT is a word or a \"quoted string\"; X Y are window DIPs.\n"
    "Lines before the first other event only set up the settings file; the\n"
    "island starts (t = 0) at the first event that is not `settings`.\n"
    "\n"
    "  settings KEY=VALUE...        write keys of [Notch], then apply settings\n"
    "  wait MS                      let MS of virtual time pass\n"
    "  at MS                        let time pass up to MS\n"
    "  media none | media playing|paused TEXT   a media snapshot (title TEXT)\n"
    "  volume LEVEL [muted]         a volume change (LEVEL 0..1)\n"
    "  caps on|off                  a Caps Lock press; the state is read 40 ms later\n"
    "  power ac|battery PERCENT     a power status change\n"
    "  notification TITLE [BODY [APP]]   a Windows notification\n"
    "  download PATH                a finished download\n"
    "  countdown start MINUTES | countdown pause | countdown stop | countdown add-minute\n"
    "  privacy MIC CAM              microphone and camera bits (0 or 1)\n"
    "  pointer X Y                  the pointer moves to (X, Y) over the island\n"
    "  leave                        the pointer leaves the island\n"
    "  click X Y | rclick X Y       a left or right click at (X, Y)\n"
    "  cursor X Y                   the screen cursor (pixels), for auto-hide\n"
    "  over-island on|off           whether the cursor is over the island window\n"
    "  toggle | quick-controls | quick-search | collapse | page N\n"
    "  panel busy|idle|foreground|background   the Quick Controls panel's state\n"
    "  fullscreen on|off            a full-screen application in front, then the check\n"
    "  lock | unlock                the session is locked or unlocked\n"
    "  toast ID CREATED TITLE [BODY [APP [APP_ID]]]   a toast joins the list the\n"
    "                               notification listener reads (CREATED orders them)\n"
    "  dismiss ID                   the toast leaves that list\n"
    "  poll                         one poll of the listener; the first is the one at\n"
    "                               start-up, whose toasts are never shown\n";

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string token;
    if (line[i] == '"') {
      for (++i; i < line.size() && line[i] != '"'; ++i) token += line[i];
      ++i;
    } else {
      for (; i < line.size() && line[i] != ' ' && line[i] != '\t'; ++i) token += line[i];
    }
    tokens.push_back(token);
  }
  return tokens;
}

// The toasts of a script, as the notification listener reads them.
class ScriptToasts final : public NotificationSource {
 public:
  void Add(std::uint32_t id, std::int64_t created, ToastContent content) {
    Remove(id);
    list_.push_back({id, created});
    contents_[id] = std::move(content);
  }
  void Remove(std::uint32_t id) {
    std::erase_if(list_, [id](const ToastEntry& entry) { return entry.id == id; });
  }

  NotificationAccess AccessStatus() override { return NotificationAccess::Allowed; }
  NotificationAccess RequestAccess() override { return NotificationAccess::Allowed; }
  std::vector<ToastEntry> CurrentToasts() override {
    read_ = list_;
    return read_;
  }
  ToastContent Content(std::size_t index) override { return contents_.at(read_.at(index).id); }

 private:
  std::vector<ToastEntry> list_, read_;
  std::map<std::uint32_t, ToastContent> contents_;
};

class Replay final : private NotificationListenerHost {
 public:
  explicit Replay(std::ostream& out) : out_(out) {
    SetLanguageFlag(kEnglish);
    platform_.on_timer_event = [this](const VirtualIslandPlatform::TimerEvent& event) {
      if (!started_) return;
      nlohmann::ordered_json line;
      line["t"] = Time(event.time_ms);
      line["timer"] = event.id;
      if (event.period_ms == 0) {
        line["kill"] = true;
      } else {
        line["set"] = event.period_ms;
      }
      out_ << line.dump() << "\n";
    };
    platform_.after_event = [this] { Observe(); };
  }

  // Returns an error text, or nothing when the event was understood.
  std::optional<std::string> Run(const std::vector<std::string>& t) {
    const std::string& verb = t[0];
    if (verb == "settings") return Settings(t);
    if (!started_) {
      started_ = true;
      island_.Start();
      Observe();
    }
    const double now = platform_.clock_value.NowMs();
    if (verb == "wait" && t.size() == 2) {
      platform_.AdvanceTo(now + std::stod(t[1]), island_);
    } else if (verb == "at" && t.size() == 2) {
      platform_.AdvanceTo(std::stod(t[1]), island_);
    } else if (verb == "media" && t.size() >= 2) {
      {
        std::lock_guard lock(media_.mutex);
        MediaSnapshot& snapshot = media_.pending;
        snapshot.has_media = t[1] != "none";
        snapshot.playing = t[1] == "playing";
        snapshot.title = snapshot.has_media ? Utf8ToWide(t.size() > 2 ? t[2] : "Song") : L"";
        snapshot.sample_time_ms = now;
      }
      island_.OnMediaUpdate(false);
    } else if (verb == "volume" && t.size() >= 2) {
      island_.ShowVolumeHud(std::stof(t[1]), t.size() > 2 && t[2] == "muted");
    } else if (verb == "caps" && t.size() == 2) {
      platform_.caps_lock = t[1] == "on";
      island_.OnCapsLockPressed();
    } else if (verb == "power" && t.size() == 3) {
      platform_.power = PowerReading{t[1] == "ac" ? 1u : 0u, 0u, static_cast<unsigned>(std::stoul(t[2]))};
      island_.OnPowerStatusChange();
    } else if (verb == "notification" && t.size() >= 2) {
      island_.ShowNotification(Utf8ToWide(t.size() > 3 ? t[3] : "App"), Utf8ToWide(t[1]),
                               Utf8ToWide(t.size() > 2 ? t[2] : ""), nullptr);
    } else if (verb == "download" && t.size() == 2) {
      island_.OnDownloadFinished(Utf8ToWide(t[1]));
    } else if (verb == "countdown" && t.size() >= 2) {
      if (t[1] == "start" && t.size() == 3) {
        island_.StartCountdown(std::stod(t[2]));
      } else if (t[1] == "pause") {
        island_.ToggleCountdownPause();
      } else if (t[1] == "stop") {
        island_.StopCountdown();
      } else if (t[1] == "add-minute") {
        island_.AddCountdownMinute();
      } else {
        return "unknown countdown event";
      }
    } else if (verb == "privacy" && t.size() == 3) {
      island_.OnPrivacyChange((std::stoul(t[1]) & 1u) | ((std::stoul(t[2]) & 1u) << 1));
    } else if (verb == "pointer" && t.size() == 3) {
      island_.OnMouseMove(Pixels(t[1], t[2]), false);
    } else if (verb == "leave" && t.size() == 1) {
      island_.OnMouseLeave();
    } else if (verb == "click" && t.size() == 3) {
      island_.OnLeftButtonDown(Pixels(t[1], t[2]));
      island_.OnLeftButtonUp(Pixels(t[1], t[2]));
    } else if (verb == "rclick" && t.size() == 3) {
      island_.OnRightButtonUp(Pixels(t[1], t[2]));
    } else if (verb == "cursor" && t.size() == 3) {
      platform_.cursor = {std::stoi(t[1]), std::stoi(t[2])};
    } else if (verb == "over-island" && t.size() == 2) {
      platform_.cursor_over_island = t[1] == "on";
    } else if (verb == "toggle" && t.size() == 1) {
      island_.Toggle();
    } else if (verb == "quick-controls" && t.size() == 1) {
      island_.OpenQuickControls();
    } else if (verb == "quick-search" && t.size() == 1) {
      island_.OpenQuickSearch();
    } else if (verb == "collapse" && t.size() == 1) {
      island_.Collapse();
    } else if (verb == "page" && t.size() == 2) {
      island_.SetPage(std::stoi(t[1]));
    } else if (verb == "panel" && t.size() == 2) {
      if (t[1] == "busy" || t[1] == "idle") panel_.busy = t[1] == "busy";
      if (t[1] == "foreground" || t[1] == "background") panel_.foreground = t[1] == "foreground";
    } else if (verb == "fullscreen" && t.size() == 2) {
      platform_.system_full_screen = t[1] == "on";
      island_.CheckFullScreen(locked_);
    } else if (verb == "toast" && t.size() >= 4 && t.size() <= 7) {
      ToastContent content;
      content.app_name = Utf8ToWide(t.size() > 5 ? t[5] : "App");
      content.app_user_model_id = Utf8ToWide(t.size() > 6 ? t[6] : "");
      if (!t[3].empty() || t.size() > 4) content.texts.push_back(Utf8ToWide(t[3]));
      if (t.size() > 4 && !t[4].empty()) content.texts.push_back(Utf8ToWide(t[4]));
      toasts_.Add(static_cast<std::uint32_t>(std::stoul(t[1])), std::stoll(t[2]), std::move(content));
    } else if (verb == "dismiss" && t.size() == 2) {
      toasts_.Remove(static_cast<std::uint32_t>(std::stoul(t[1])));
    } else if (verb == "poll" && t.size() == 1) {
      listener_.Poll();
    } else if ((verb == "lock" || verb == "unlock") && t.size() == 1) {
      locked_ = verb == "lock";
      island_.CheckFullScreen(locked_);
    } else {
      return "unknown event or wrong arguments";
    }
    Observe();
    return std::nullopt;
  }

 private:
  // The host window's side: the block posted by the listener is shown at once.
  bool WindowExists() override { return true; }
  void WaitBetweenPolls() override {}
  bool Post(std::uintptr_t parameter) override {
    const auto block = hand_off_.Take(parameter);
    if (!block) return false;
    const auto& s = block->strings;
    nlohmann::ordered_json line;
    line["t"] = Time(platform_.clock_value.NowMs());
    line["posted"] = {{"app", WideToUtf8(s[NotificationBlock::kAppName])},
                      {"title", WideToUtf8(s[NotificationBlock::kTitle])},
                      {"body", WideToUtf8(s[NotificationBlock::kBody])},
                      {"app_id", WideToUtf8(s[NotificationBlock::kAppUserModelId])}};
    out_ << line.dump() << "\n";
    island_.ShowNotification(s[NotificationBlock::kAppName], s[NotificationBlock::kTitle], s[NotificationBlock::kBody],
                             nullptr);
    return true;
  }

  std::optional<std::string> Settings(const std::vector<std::string>& t) {
    for (std::size_t i = 1; i < t.size(); ++i) {
      const std::size_t equals = t[i].find('=');
      if (equals == std::string::npos) return "settings needs KEY=VALUE";
      settings_.Write(Utf8ToWide(t[i].substr(0, equals)), Utf8ToWide(t[i].substr(equals + 1)));
    }
    if (started_) {
      island_.ApplySettings();
      Observe();
    }
    return std::nullopt;
  }

  ScreenPoint Pixels(const std::string& x, const std::string& y) const {
    const float s = island_.scale();
    return {static_cast<int>(std::lround(std::stof(x) * s)), static_cast<int>(std::lround(std::stof(y) * s))};
  }

  static double Time(double ms) { return std::round(ms * 1000.0) / 1000.0; }
  static double Rounded(float value) { return std::round(static_cast<double>(value) * 1000.0) / 1000.0; }

  void Observe() {
    const IslandRecord& r = island_.record();
    const double now = Time(platform_.clock_value.NowMs());
    if (r.state != seen_state_) {
      nlohmann::ordered_json line;
      line["t"] = now;
      line["from"] = IslandStateName(seen_state_);
      line["to"] = IslandStateName(r.state);
      line["previous"] = IslandStateName(r.previous_state);
      line["animation_kind"] = static_cast<int>(r.animation_kind);
      out_ << line.dump() << "\n";
      seen_state_ = r.state;
    }
    if (was_animating_ && !r.animating) {
      const IslandSprings& s = island_.springs();
      const PixelRect& region = island_.region();
      nlohmann::ordered_json line;
      line["t"] = now;
      line["settled"] = {{"width", Rounded(s.width.position)},
                         {"height", Rounded(s.height.position)},
                         {"upper_radius", Rounded(s.upper_radius.position)},
                         {"lower_radius", Rounded(s.lower_radius.position)},
                         {"opacity", Rounded(s.opacity.position)}};
      line["region"] = {region.left, region.top, region.right, region.bottom};
      out_ << line.dump() << "\n";
    }
    was_animating_ = r.animating;
  }

  std::ostream& out_;
  IniDocument file_ = IniDocument::Parse(L"[Notch]\n");
  notch::Settings settings_{file_};
  HostState host_;
  MediaState media_;
  VirtualIslandPlatform platform_;
  VirtualPanel panel_;
  VirtualActivities activities_;
  Island island_{platform_, panel_, activities_, settings_, host_, media_};
  ScriptToasts toasts_;
  HandOff<NotificationBlock> hand_off_;
  NotificationListener listener_{toasts_, *this, hand_off_};
  bool started_ = false;
  bool locked_ = false;
  bool was_animating_ = false;
  IslandState seen_state_ = IslandState::Hidden;
};

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kIslandCommand;
const Command kIslandCommand{"island", "replay a timed script of island inputs", kHelp, &Run};

namespace {

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() != 1) return UsageError(kIslandCommand, err, "expected exactly one SCRIPT");
  std::ifstream file;
  if (arguments[0] != "-") {
    file.open(arguments[0]);
    if (!file) {
      err << "notch-inspect island: cannot read " << arguments[0] << "\n";
      return 1;
    }
  }
  std::istream& in = arguments[0] == "-" ? std::cin : file;
  Replay replay(out);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto tokens = Tokens(line);
    if (tokens.empty() || tokens[0][0] == '#') continue;
    std::optional<std::string> problem;
    try {
      problem = replay.Run(tokens);
    } catch (const std::exception&) {
      problem = "a number is malformed";
    }
    if (problem) {
      err << "notch-inspect island: line " << number << ": " << *problem << ": " << line << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace
}  // namespace notch::inspect
