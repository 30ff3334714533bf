#pragma once
#include <gtest/gtest.h>

// Fakes of the panel's ports: a window that keeps its controls as data, an
// island and seams that record what they were asked, and a launcher that
// holds jobs until the test runs them.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "panel/panel_ports.h"
#include "panel/quick_panel.h"
#include "support/english_texts_test.h"
#include "support/fake_audio_machine.h"

namespace notch::quick::testing {

// Settings kept in memory; writes fail on demand.
class MemoryStore final : public ProfileStore {
 public:
  std::map<std::wstring, std::wstring> values;
  bool fail_writes = false;
  int writes = 0;

  std::wstring Read(std::wstring_view, std::wstring_view key, std::wstring_view fallback) const override {
    const auto it = values.find(std::wstring(key));
    return it == values.end() ? std::wstring(fallback) : it->second;
  }
  bool Write(std::wstring_view, std::wstring_view key, std::wstring_view value) override {
    ++writes;
    if (fail_writes) return false;
    values[std::wstring(key)] = value;
    return true;
  }
};

class FakeWindow final : public PanelWindow {
 public:
  ManualClock clock_{1000.0};
  std::map<int, std::wstring> texts;
  std::map<int, bool> enabled;
  std::vector<PageLayout> created;
  int slider = -1;
  int focused = 0;
  bool visible = false;
  bool fade_clock = false;
  bool tick_timer = false;
  std::vector<std::uint8_t> alphas;
  int hides = 0;
  bool foreground = false, cursor = false;
  // The list box and the inline prompt.
  std::vector<ListRow> rows;
  std::optional<std::size_t> selection;
  std::wstring placeholder;
  int list_fills = 0;
  std::vector<PanelControl> prompt;
  int prompts_shown = 0;
  std::map<int, bool> pressed;
  std::map<int, TileCaption> captions;

  // The user picks row `row` (nothing: no selection).
  void Select(std::optional<std::size_t> row) { selection = row; }

  const Clock& clock() const override { return clock_; }
  void CreateControls(const PageLayout& layout) override {
    created.push_back(layout);
    for (const PanelControl& c : layout.controls) {
      texts[c.id] = c.text;
      enabled[c.id] = c.enabled;
    }
  }
  void DestroyControls() override {
    texts.clear();
    enabled.clear();
    rows.clear();
    selection.reset();
    placeholder.clear();
    prompt.clear();
    pressed.clear();
  }
  void SetText(int id, const std::wstring& text) override {
    if (texts.count(id)) texts[id] = text;
  }
  std::wstring Text(int id) const override {
    const auto found = texts.find(id);
    return found == texts.end() ? std::wstring() : found->second;
  }
  void Enable(int id, bool on) override {
    if (enabled.count(id)) enabled[id] = on;
  }
  void SetSlider(int value) override { slider = value; }
  void Focus(int id) override { focused = id; }
  void Redraw() override {}
  void SetAlpha(std::uint8_t alpha) override { alphas.push_back(alpha); }
  void SetFadeClock(bool on) override { fade_clock = on; }
  void SetTickTimer(bool on) override { tick_timer = on; }
  void Hide() override {
    visible = false;
    ++hides;
  }
  bool Visible() const override { return visible; }
  bool ForegroundOwnedByPanel() const override { return foreground; }
  bool CursorInside() const override { return cursor; }
  void FillList(const std::vector<ListRow>& r, std::optional<std::size_t> selected) override {
    rows = r;
    selection = selected;
    ++list_fills;
  }
  std::optional<std::size_t> ListSelection() const override { return selection; }
  void SetListPlaceholder(const std::wstring& text) override { placeholder = text; }
  void ShowPrompt(const std::vector<PanelControl>& controls) override {
    prompt = controls;
    ++prompts_shown;
    for (const PanelControl& c : controls) {
      texts[c.id] = c.text;
      enabled[c.id] = c.enabled;
    }
  }
  void ClosePrompt() override {
    for (const PanelControl& c : prompt) {
      texts.erase(c.id);
      enabled.erase(c.id);
    }
    prompt.clear();
  }
  void SetPressed(int id, bool on) override { pressed[id] = on; }
  void SetTileCaption(int id, const TileCaption& caption) override { captions[id] = caption; }
  int mouse_releases = 0, tooltip_pops = 0;
  void ReleaseMouse() override { ++mouse_releases; }
  void PopTooltip() override { ++tooltip_pops; }
};

class FakeIsland final : public PanelIsland {
 public:
  int expands = 0, collapses = 0, size_changes = 0, pings = 0, focus_losses = 0;
  std::vector<int> pages;
  bool reduce_motion = false;
  std::function<void()> on_expand;
  void ExpandQuickControls() override {
    ++expands;
    if (on_expand) on_expand();
  }
  void SetPage(int page) override { pages.push_back(page); }
  void Collapse() override { ++collapses; }
  void PanelSizeChanged() override { ++size_changes; }
  void ActivityPing() override { ++pings; }
  void PanelLostFocus() override { ++focus_losses; }
  bool ReduceMotion() const override { return reduce_motion; }
  int header_changes = 0;
  void HeaderChanged() override { ++header_changes; }
};

class FakeMedia final : public MediaControls {
 public:
  bool available = false, playing = false;
  std::vector<MediaCommandKind> sent;
  bool Available() const override { return available; }
  bool Playing() const override { return playing; }
  void Send(MediaCommandKind command) override { sent.push_back(command); }
};

class FakeVolume final : public VolumeControl {
 public:
  std::optional<VolumeReading> reading = VolumeReading{0.5f, false};
  std::optional<VolumeReading> Read() override { return reading; }
  void SetLevel(float level) override {
    if (reading) reading->level = level;
  }
  void ToggleMute() override {
    if (reading) reading->muted = !reading->muted;
  }
};

class FakeHost final : public PanelHost {
 public:
  bool lyrics = true;
  IslandStyle style = IslandStyle::Notch;
  Theme theme = Theme::Sequoia;
  std::vector<TrayMenuVariant> menus;
  std::vector<std::wstring> uris;
  std::function<void()> during_menu;
  bool ToggleLyrics() override { return lyrics = !lyrics; }
  bool LyricsOn() const override { return lyrics; }
  void ShowMenu(TrayMenuVariant variant) override {
    menus.push_back(variant);
    if (during_menu) during_menu();
  }
  void WriteStyle(IslandStyle s) override { style = s; }
  IslandStyle Style() const override { return style; }
  Theme CurrentTheme() const override { return theme; }
  void OpenUri(const std::wstring& uri) override { uris.push_back(uri); }
  LayoutStore* layouts = nullptr;
  LayoutStore* ButtonLayouts() override { return layouts; }
};

// Hands out a refresh task per call; `body` decides what it does.
class FakeWork final : public PageWork {
 public:
  std::vector<std::pair<Page, bool>> asked;
  std::function<Continuation(const std::atomic<bool>&)> body = [](const std::atomic<bool>&) {
    return Continuation([](QuickPanel& panel) { panel.ShowStatus(L"refreshed", false); });
  };
  std::optional<TaskBody> RefreshTask(Page page, bool rescan) override {
    asked.emplace_back(page, rescan);
    return TaskBody(body);
  }
  // Brightness writes: each one succeeds with the value written.
  std::vector<int> brightness_writes;
  // Radio back ends: set by the tests that use them.
  radios::RadioSource* radio_source = nullptr;
  bluetooth::DeviceSource* device_source = nullptr;
  bluetooth::PairingSource* pairing_source = nullptr;
  bluetooth::Pacer* pacer = nullptr;
  hotspot::TetheringSource* tethering_source = nullptr;
  bool access_request_fails = false;
  std::shared_ptr<std::optional<std::int32_t>> access_answer;  // of the latest request
  int access_requests = 0;
  radios::RadioSource* Radios() override { return radio_source; }
  bluetooth::DeviceSource* Devices() override { return device_source; }
  bluetooth::PairingSource* Pairing() override { return pairing_source; }
  bluetooth::Pacer& PairingPacer() override { return pacer != nullptr ? *pacer : bluetooth::SystemPacer(); }
  hotspot::TetheringSource* Tethering() override { return tethering_source; }
  std::unique_ptr<radios::AccessRequest> RequestRadioAccess() override;

  std::optional<TaskBody> BrightnessWrite(int percent) override {
    brightness_writes.push_back(percent);
    return TaskBody([percent](const std::atomic<bool>&) {
      return Continuation([percent](QuickPanel& panel) { panel.BrightnessWritten({percent, true}); });
    });
  }
  // Connect tasks: what each was handed (the key as it was then); each ends
  // with `connect_message`.
  struct Connect {
    wifi::Network network;
    std::shared_ptr<wifi::Secret> key;
    bool remember = false;
    std::wstring key_text;
  };
  std::vector<Connect> connects;
  std::wstring connect_message = L"Connected.";
  std::optional<TaskBody> ConnectTask(const wifi::Network& network, std::shared_ptr<wifi::Secret> key,
                                      bool remember) override {
    connects.push_back({network, key, remember, key ? std::wstring(key->View()) : std::wstring()});
    return TaskBody([message = connect_message](const std::atomic<bool>&) {
      return Continuation([message](QuickPanel& panel) { panel.WifiConnected(message); });
    });
  }
};

// The Sound page's devices over a fake machine, with a real audio binding.
class FakeSoundDevices final : public SoundDevices {
 public:
  explicit FakeSoundDevices(const Clock& clock) : binding_(clock, [this](float, bool) { ++huds; }) {
    machine.active = {{L"{a}", L"Speakers"}, {L"{b}", L"Headphones"}};
    machine.default_id = L"{a}";
    binding_.Start(&endpoints_);
  }
  ~FakeSoundDevices() override { binding_.Stop(); }
  AudioBinding& Binding() override { return binding_; }
  audio_out::OutputEndpoints& Endpoints() override { return outputs_; }

  notch::testing::FakeAudioMachine machine;
  int huds = 0;

 private:
  notch::testing::FakeAudioEndpoints endpoints_{machine};
  notch::testing::FakeOutputEndpoints outputs_{machine};
  AudioBinding binding_;
};

// A radio-access request the test answers.
struct HeldAccessRequest final : radios::AccessRequest {
  std::shared_ptr<std::optional<std::int32_t>> answer = std::make_shared<std::optional<std::int32_t>>();
  std::optional<std::int32_t> Result() override { return *answer; }
};

class HeldLauncher final : public TaskLauncher {
 public:
  std::deque<std::function<void()>> jobs;
  void Launch(std::function<void()> job) override { jobs.push_back(std::move(job)); }
  void RunNext() {
    auto job = std::move(jobs.front());
    jobs.pop_front();
    job();
  }
};

inline std::unique_ptr<radios::AccessRequest> FakeWork::RequestRadioAccess() {
  ++access_requests;
  if (access_request_fails) return nullptr;
  auto request = std::make_unique<HeldAccessRequest>();
  access_answer = request->answer;
  return request;
}

struct PanelRig {
  FakeWindow window;
  FakeIsland island;
  FakeMedia media;
  FakeVolume volume;
  FakeHost host;
  FakeWork work;
  HeldLauncher launcher;
  FakeSoundDevices sound{window.clock_};
  int finished_posts = 0;
  QuickPanel panel{PanelServices{window, island, media, volume, host, work, launcher, &sound},
                   [this] { ++finished_posts; }};

  // The island's first ShowPanel after page 5 expanded.
  void Open() {
    panel.Show({});
    window.visible = true;
  }
};

// Panel texts are checked in English.
using notch::testing::EnglishTextsTest;

}  // namespace notch::quick::testing
