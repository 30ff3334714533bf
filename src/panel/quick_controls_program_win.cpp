// The program's Quick Controls panel: the process-wide window over the real
// island, media state, master volume, settings and worker threads, and the
// host links and island ports that reach it.
#include <objbase.h>
#include <shellapi.h>

#include <thread>

#include "activities/media_requests.h"
#include "activities/media_state.h"
#include "host/host_audio_win.h"
#include "host/host_links_win.h"
#include "host/host_state.h"
#include "host/startup_win.h"
#include "host/tray_menu_win.h"
#include "panel/quick_controls_win.h"
#include "panel/search_ports_win.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_panel_win.h"
#include "shell/ilha/island_win.h"
#include "system/audio_outputs_win.h"
#include "system/brightness_win.h"
#include "system/hotspot_win.h"
#include "system/radios_win.h"
#include "system/wifi_tasks.h"
#include "system/wlan_source_win.h"

namespace notch {
namespace quick {
namespace {

class ProgramIsland final : public PanelIsland {
 public:
  void ExpandQuickControls() override {
    if (Island* island = TheIsland()) island->OpenQuickControls();
  }
  void SetPage(int island_page) override {
    if (Island* island = TheIsland()) island->SetPage(island_page);
  }
  void Collapse() override {
    if (Island* island = TheIsland()) island->Collapse();
  }
  void PanelSizeChanged() override {
    if (Island* island = TheIsland()) island->OnPanelSizeChanged();
  }
  void ActivityPing() override {
    if (Island* island = TheIsland()) island->OnPanelActivity();
  }
  void PanelLostFocus() override {
    if (Island* island = TheIsland()) island->OnPanelLostFocus();
  }
  bool ReduceMotion() const override { return Host().reduce_motion; }
  void HeaderChanged() override {
    if (Island* island = TheIsland()) island->OnHeaderChanged();
  }
};

class ProgramMedia final : public MediaControls {
 public:
  bool Available() const override {
    MediaState& state = SharedMediaState();
    std::lock_guard lock(state.mutex);
    return state.pending.has_media;
  }
  bool Playing() const override {
    MediaState& state = SharedMediaState();
    std::lock_guard lock(state.mutex);
    return state.pending.has_media && state.pending.playing;
  }
  void Send(MediaCommandKind command) override { PostMediaCommand(SharedMediaState(), {command, 0.0}); }
};

// The default output's endpoint volume, looked up again after a second so
// that a change of default device is followed.
// The master volume through the host's one binding to the default output.
class HostVolume final : public VolumeControl {
 public:
  std::optional<VolumeReading> Read() override {
    const AudioBinding& audio = HostAudio();
    if (!audio.bound() || audio.last_level() < 0.0f) return std::nullopt;
    return VolumeReading{audio.last_level(), audio.last_muted()};
  }
  void SetLevel(float level) override { HostAudio().SetVolume(level); }
  void ToggleMute() override { HostAudio().ToggleMute(); }
};

class ProgramHost final : public PanelHost {
 public:
  bool ToggleLyrics() override {
    AppSettings().Toggle(setting::kLyrics);
    links::ApplyIslandSettings();
    return AppSettings().LyricsOn();
  }
  bool LyricsOn() const override { return AppSettings().LyricsOn(); }
  void ShowMenu(TrayMenuVariant variant) override { ShowTrayMenu(ProgramPanel()->window(), variant); }
  void WriteStyle(IslandStyle style) override {
    AppSettings().WriteStyle(style);
    links::ApplyIslandSettings();
  }
  IslandStyle Style() const override { return AppSettings().Style(); }
  Theme CurrentTheme() const override { return AppSettings().CurrentTheme(); }
  void OpenUri(const std::wstring& uri) override {
    ShellExecuteW(nullptr, L"open", uri.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
  LayoutStore* ButtonLayouts() override { return &ProgramButtonLayout(); }
};

// The Sound page's devices: the host's binding and Core Audio's endpoints,
// on the window thread.
class ProgramSound final : public SoundDevices {
 public:
  AudioBinding& Binding() override { return HostAudio(); }
  audio_out::OutputEndpoints& Endpoints() override {
    if (!outputs_) outputs_ = audio_out::CoreAudioOutputs::Create();
    if (outputs_) return *outputs_;
    return none_;
  }

 private:
  // Without a device enumerator nothing is listed and no switch takes.
  class NoOutputs final : public audio_out::OutputEndpoints {
   public:
    std::vector<audio_out::ActiveEndpoint> ActiveOutputs() override { return {}; }
    bool SetDefaultEndpoint(const std::wstring&, int) override { return false; }
  };
  std::unique_ptr<audio_out::CoreAudioOutputs> outputs_;
  NoOutputs none_;
};

// The system work behind the Wi-Fi, Bluetooth and Display pages.
class ProgramPageWork final : public PageWork {
 public:
  std::optional<TaskBody> RefreshTask(Page page, bool rescan) override {
    if (page == Page::WiFi) {
      return TaskBody([this, rescan](const std::atomic<bool>& cancel) {
        const WifiRefresh refresh = ReadWifiPage(Radios(), Tethering(), wifi::NativeWlanApi(), rescan, cancel);
        return Continuation([refresh](QuickPanel& panel) { panel.ShowWifi(refresh); });
      });
    }
    if (page == Page::Display) {
      return TaskBody([](const std::atomic<bool>&) {
        const brightness::Result result = brightness::DisplayBrightnessWin({0, false});
        return Continuation([result](QuickPanel& panel) { panel.ShowBrightness(result); });
      });
    }
    return std::nullopt;
  }
  std::optional<TaskBody> ConnectTask(const wifi::Network& network, std::shared_ptr<wifi::Secret> key,
                                      bool remember) override {
    return TaskBody([network, key = std::move(key), remember](const std::atomic<bool>& cancel) {
      const std::wstring message = wifi::ConnectNetwork(wifi::NativeWlanApi(), network, key, remember, cancel);
      return Continuation([message](QuickPanel& panel) { panel.WifiConnected(message); });
    });
  }
  std::optional<TaskBody> BrightnessWrite(int percent) override {
    return TaskBody([percent](const std::atomic<bool>&) {
      const brightness::Result result = brightness::DisplayBrightnessWin({percent, true});
      return Continuation([result](QuickPanel& panel) { panel.BrightnessWritten(result); });
    });
  }
  radios::RadioSource* Radios() override { return &radios::WindowsRadios(); }
  bluetooth::DeviceSource* Devices() override { return &bluetooth::WindowsDevices(); }
  bluetooth::PairingSource* Pairing() override { return &bluetooth::WindowsPairing(); }
  hotspot::TetheringSource* Tethering() override { return &hotspot::WindowsTethering(); }
  std::unique_ptr<radios::AccessRequest> RequestRadioAccess() override { return radios::RequestRadioAccessWin(); }
};

// One detached thread per task, in the multithreaded apartment.
class WorkerThreads final : public TaskLauncher {
 public:
  void Launch(std::function<void()> job) override {
    std::thread([job = std::move(job)] {
      const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
      job();
      if (SUCCEEDED(com)) CoUninitialize();
    }).detach();
  }
};

}  // namespace

TaskLauncher& WorkerThreadLauncher() {
  static WorkerThreads* launcher = new WorkerThreads;
  return *launcher;
}

LayoutStore& ProgramButtonLayout() {
  static LayoutStore* layouts = new LayoutStore(AppSettings());
  return *layouts;
}

QuickControlsWindow* ProgramPanel() {
  // Never destroyed: detached task threads may still post to it at exit.
  static ProgramIsland* island = new ProgramIsland;
  static ProgramMedia* media = new ProgramMedia;
  static HostVolume* volume = new HostVolume;
  static ProgramHost* host = new ProgramHost;
  static ProgramPageWork* work = new ProgramPageWork;
  static ProgramSound* sound = new ProgramSound;
  static QuickControlsWindow* panel = new QuickControlsWindow(
      nullptr, PanelSeams{*island, *media, *volume, *host, *work, WorkerThreadLauncher(), sound});
  static const bool search_attached = (panel->panel().AttachSearch(*panel, ProgramSearchPorts()), true);
  (void)search_attached;
  return panel;
}

}  // namespace quick

IslandPanel& WindowsIslandPanel() { return *quick::ProgramPanel(); }

void CreateQuickControlsPanel(HWND island) {
  quick::QuickControlsWindow* panel = quick::ProgramPanel();
  panel->AttachIsland(island);
  panel->Create();
}

namespace links {

bool PanelPreFilter(MSG& message) { return quick::ProgramPanel()->PreTranslate(message); }
void ClosePanel() { quick::ProgramPanel()->Close(); }

}  // namespace links
}  // namespace notch
