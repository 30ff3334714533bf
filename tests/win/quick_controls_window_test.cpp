// The Quick Controls window over a real island window: it opens at the
// island's size on the right page, its controls exist with their ids, the
// buttons and the slider reach their actions, and Esc walks back. With
// NOTCH_SNAPSHOTS naming a folder it saves a picture of every page there.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "activities/island_activity_set.h"
#include "activities/media_state.h"
#include "common/ini_document.h"
#include "common/text.h"
#include "host/core_audio_endpoints_win.h"
#include "host/host_state.h"
#include "host/language.h"
#include "host/settings.h"
#include "host/tray_menu_win.h"
#include "message_pump.h"
#include "panel/panel_fakes.h"
#include "panel/quick_controls_win.h"
#include "panel/search_fakes.h"
#include "render/graphics_device_win.h"
#include "shell/ilha/island.h"
#include "shell/ilha/island_platform_win.h"
#include "shell/ilha/island_win.h"
#include "shell/ilha/virtual_island.h"
#include "snapshots/png_file_win.h"
#include "support/recording_canvas.h"
#include "system/audio_outputs_win.h"
#include "system/brightness_win.h"
#include "system/fake_radios.h"
#include "system/hotspot_win.h"
#include "system/radios_win.h"
#include "system/wifi_tasks.h"
#include "system/wlan_source_win.h"
#include "win_test_support.h"
#include "winrt/activation_win.h"

namespace notch::quick {
namespace {

// The panel's island operations on the test's island.
class TestIsland final : public PanelIsland {
 public:
  Island* island = nullptr;
  int pings = 0;
  void ExpandQuickControls() override { island->OpenQuickControls(); }
  void SetPage(int page) override { island->SetPage(page); }
  void Collapse() override { island->Collapse(); }
  void PanelSizeChanged() override { island->OnPanelSizeChanged(); }
  void ActivityPing() override { ++pings; }
  void PanelLostFocus() override {}
  bool ReduceMotion() const override { return false; }
  std::function<void()> on_header_changed;
  void HeaderChanged() override {
    island->OnHeaderChanged();
    if (on_header_changed) on_header_changed();
  }
};

// Jobs run on the window thread when launched: most tests here need no
// worker, only the hand-back through the future and the posted message.
// With `threads` set each job runs on its own thread in the multithreaded
// apartment, as in the program, and the fixture joins them at the end.
class InPlaceLauncher final : public TaskLauncher {
 public:
  bool threads = false;
  std::vector<std::thread> running;
  void Launch(std::function<void()> job) override {
    if (!threads) {
      job();
      return;
    }
    running.emplace_back([job = std::move(job)] {
      const winrt::MultithreadedApartment apartment;
      job();
    });
  }
  ~InPlaceLauncher() override {
    for (std::thread& thread : running) thread.join();
  }
};

// The settings changes of the panel over a settings file, with the real
// theme and auto-hide menus; `keys` are read by the next menu's loop.
class MenuHost final : public PanelHost {
 public:
  explicit MenuHost(Settings& settings) : settings_(settings) {}
  HWND owner = nullptr;
  std::vector<WORD> keys;
  bool held_during_menu = false;
  std::function<bool()> holds;
  bool ToggleLyrics() override {
    settings_.Toggle(setting::kLyrics);
    return settings_.LyricsOn();
  }
  bool LyricsOn() const override { return settings_.LyricsOn(); }
  void ShowMenu(TrayMenuVariant variant) override {
    for (const WORD key : keys) PostMessageW(owner, WM_KEYDOWN, key, 0);
    keys.clear();
    held_during_menu = holds && holds();
    // Should the keys go astray, the menu closes itself instead of waiting.
    const UINT_PTR guard = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    ShowTrayMenu(owner, variant, settings_);
    KillTimer(nullptr, guard);
  }
  void WriteStyle(IslandStyle style) override { settings_.WriteStyle(style); }
  IslandStyle Style() const override { return settings_.Style(); }
  Theme CurrentTheme() const override { return settings_.CurrentTheme(); }
  void OpenUri(const std::wstring&) override {}

 private:
  Settings& settings_;
};

// The Sound page's devices: a fake machine unless a test points it at Core
// Audio.
class SwitchableSound final : public SoundDevices {
 public:
  SoundDevices* target = nullptr;
  AudioBinding& Binding() override { return target->Binding(); }
  audio_out::OutputEndpoints& Endpoints() override { return target->Endpoints(); }
};

// The system's output devices, bound as the host binds them (COM initialised).
class CoreAudioSound final : public SoundDevices {
 public:
  CoreAudioSound() : endpoints_(CoreAudioEndpoints::Create(nullptr)), outputs_(audio_out::CoreAudioOutputs::Create()) {
    if (endpoints_) binding_.Start(endpoints_.get());
  }
  ~CoreAudioSound() override { binding_.Stop(); }
  CoreAudioSound(const CoreAudioSound&) = delete;
  CoreAudioSound& operator=(const CoreAudioSound&) = delete;
  bool ready() const { return endpoints_ != nullptr && outputs_ != nullptr; }
  AudioBinding& Binding() override { return binding_; }
  audio_out::OutputEndpoints& Endpoints() override { return *outputs_; }

 private:
  ManualClock clock_{1000};
  std::unique_ptr<CoreAudioEndpoints> endpoints_;
  AudioBinding binding_{clock_, {}};
  std::unique_ptr<audio_out::CoreAudioOutputs> outputs_;
};

// A refresh of the Wi-Fi page that finds three networks.
WifiRefresh FakeNetworks() {
  auto make = [](const wchar_t* name, const char* ssid, std::uint32_t signal, bool open) {
    wifi::Network network;
    network.name = name;
    network.ssid = wifi::Ssid::From(ssid);
    network.signal = signal;
    network.open = open;
    network.personal = !open;
    network.connectable = true;
    return network;
  };
  WifiRefresh refresh;
  refresh.list.networks = {make(L"Tembo Home", "Tembo Home", 92, false), make(L"Cafe Kilimanjaro", "Cafe", 71, true),
                           make(L"Flat 4", "Flat 4", 38, false)};
  refresh.list.networks[0].connected = true;
  refresh.list.networks[0].profile_name = L"Tembo Home";
  refresh.list.status = wifi::kChooseNetwork;
  return refresh;
}

class QuickControlsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_language_ = LanguageFlag();
    SetLanguageFlag(kEnglish);
    ASSERT_TRUE(RegisterIslandWindowClass(GetModuleHandleW(nullptr)));
    layered_ = !CompositionAvailable();
    window_ = CreateIslandWindow(GetModuleHandleW(nullptr), layered_);
    ASSERT_NE(window_, nullptr);
    platform_ = std::make_unique<WindowsIslandPlatform>(window_, layered_);
    sound_.target = &fake_sound_;
    panel_ = std::make_unique<QuickControlsWindow>(
        window_, PanelSeams{island_port_, media_port_, volume_, host_port_, work_, launcher_, &sound_});
    island_ = std::make_unique<Island>(*platform_, *panel_, activities_, settings_, host_, media_);
    island_port_.island = island_.get();
    AttachIsland(window_, island_.get());
    ASSERT_TRUE(panel_->Create());
    island_->Start();
  }
  void TearDown() override {
    for (std::thread& thread : launcher_.running) thread.join();
    launcher_.running.clear();
    panel_.reset();
    if (window_ != nullptr) {
      AttachIsland(window_, nullptr);
      DestroyWindow(window_);
    }
    SetLanguageFlag(saved_language_);
  }

  // Until the island has settled with the panel shown on `page`.
  void OpenOn(Page page) {
    ASSERT_TRUE(notch::testing::PumpUntil([&] {
      return panel_->panel().open() && panel_->panel().page() == page && !island_->record().animating &&
             IsWindowVisible(panel_->window()) && panel_->panel().fade_factor() >= 1.0;
    })) << PageName(page);
  }
  HWND Child(int id) const { return GetDlgItem(panel_->window(), id); }
  void Click(int id) {
    SendMessageW(panel_->window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Child(id)));
  }
  // A key as the main loop hands it over: through the key filter first.
  bool PressKey(WPARAM key, HWND target) {
    MSG message{target, WM_KEYDOWN, key, 0, 0, {}};
    return panel_->PreTranslate(message);
  }
  void Snapshot(Page page, const std::wstring& suffix = L"") {
    const std::optional<std::wstring> folder = []() -> std::optional<std::wstring> {
      wchar_t buffer[MAX_PATH] = {};
      const DWORD length = GetEnvironmentVariableW(L"NOTCH_SNAPSHOTS", buffer, MAX_PATH);
      if (length == 0 || length >= MAX_PATH) return std::nullopt;
      return std::wstring(buffer);
    }();
    if (!folder) return;
    RedrawWindow(panel_->window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    notch::testing::PumpUntil([] { return false; }, 150);
    RECT rect{};
    GetWindowRect(panel_->window(), &rect);
    // The island's outline around the panel belongs in the picture.
    InflateRect(&rect, 16, 16);
    rect.top = std::max<LONG>(rect.top, 0);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<std::uint8_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixels[i * 4 + 3] = 255;
    const std::wstring path = *folder + L"\\panel-" + Utf8ToWide(std::string(PageName(page))) + suffix + L".png";
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // WIC
    EXPECT_TRUE(snapshots::WritePng(path, width, height,
                                    {pixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4}));
    if (SUCCEEDED(com)) CoUninitialize();
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  int saved_language_ = kEnglish;
  IniDocument file_ = IniDocument::Parse(L"[Notch]\n");
  Settings settings_{file_};
  HostState host_;
  MediaState media_;
  VirtualActivities activities_;
  TestIsland island_port_;
  testing::FakeMedia media_port_;
  testing::FakeVolume volume_;
  ManualClock sound_clock_{1000};
  testing::FakeSoundDevices fake_sound_{sound_clock_};
  SwitchableSound sound_;
  testing::FakeHost host_port_;
  testing::FakeWork work_;
  InPlaceLauncher launcher_;
  testing::FakeSearchPorts search_ports_;  // attached by the tests that search
  bool layered_ = false;
  HWND window_ = nullptr;
  std::unique_ptr<WindowsIslandPlatform> platform_;
  std::unique_ptr<QuickControlsWindow> panel_;
  std::unique_ptr<Island> island_;
};

TEST_F(QuickControlsWindowTest, WindowHasItsClassTitleStylesAndTooltip) {
  HWND panel = panel_->window();
  wchar_t text[64] = {};
  GetClassNameW(panel, text, 64);
  EXPECT_STREQ(text, L"TemboNotchQuickControls");
  GetWindowTextW(panel, text, 64);
  EXPECT_STREQ(text, L"Notch Quick Controls");
  const LONG_PTR ex_style = GetWindowLongPtrW(panel, GWL_EXSTYLE);
  for (const LONG_PTR flag : {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_CONTROLPARENT}, LONG_PTR{WS_EX_TOOLWINDOW}})
    EXPECT_TRUE(ex_style & flag);
  EXPECT_TRUE(GetWindowLongPtrW(panel, GWL_STYLE) & WS_POPUP);
  EXPECT_EQ(GetWindow(panel, GW_OWNER), window_);
  EXPECT_FALSE(IsWindowVisible(panel));
}

TEST_F(QuickControlsWindowTest, QuickSearchOpensOnSearchAtTheIslandsSizeAndEscWalksBack) {
  island_->OpenQuickSearch();
  OpenOn(Page::Search);
  const unsigned dpi = GetDpiForWindow(window_);
  RECT rect{};
  GetWindowRect(panel_->window(), &rect);
  EXPECT_EQ(rect.right - rect.left, ScaleDip(428, dpi));
  EXPECT_EQ(rect.bottom - rect.top, ScaleDip(368, dpi));
  // The island has grown around the panel: no clipping region is left.
  RECT box{};
  EXPECT_EQ(GetWindowRgnBox(panel_->window(), &box), ERROR);
  for (int id : {control::kBack, control::kDefaultBrowser, control::kSettings, control::kSearchEdit, control::kList,
                 control::kAct, control::kTerminal, control::kStatus}) {
    EXPECT_NE(Child(id), nullptr) << id;
  }
  Snapshot(Page::Search);

  // Text in the box: Esc only clears it.
  SetWindowTextW(Child(control::kSearchEdit), L"notes");
  EXPECT_TRUE(PressKey(VK_ESCAPE, Child(control::kSearchEdit)));
  EXPECT_EQ(GetWindowTextLengthW(Child(control::kSearchEdit)), 0);
  EXPECT_EQ(panel_->panel().page(), Page::Search);
  // Opened straight into Search: the next Esc collapses the island.
  EXPECT_TRUE(PressKey(VK_ESCAPE, Child(control::kSearchEdit)));
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return !island_->record().animating; }));
  EXPECT_NE(island_->record().state, IslandState::Expanded);
  EXPECT_FALSE(panel_->panel().open());
  EXPECT_FALSE(IsWindowVisible(panel_->window()));
}

TEST_F(QuickControlsWindowTest, TrayItemOpensHomeAndTheTilesReachTheirActions) {
  media_port_.available = true;
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  RECT rect{};
  GetWindowRect(panel_->window(), &rect);
  EXPECT_EQ(rect.right - rect.left, ScaleDip(244, GetDpiForWindow(window_)));
  EXPECT_NE(Child(control::kCustomize), nullptr);
  EXPECT_TRUE(IsWindowEnabled(Child(control::kPlayPause)));
  Snapshot(Page::Home);
  Click(control::kPrevious);
  Click(control::kPlayPause);
  Click(control::kNext);
  EXPECT_EQ(media_port_.sent,
            (std::vector<MediaCommandKind>{MediaCommandKind::Previous, MediaCommandKind::TogglePlayPause,
                                           MediaCommandKind::Next}));
  Click(control::kLyrics);
  EXPECT_FALSE(host_port_.lyrics);
  wchar_t text[64] = {};
  GetWindowTextW(Child(control::kLyrics), text, 64);
  EXPECT_STREQ(text, L"Lyrics off");

  // Esc on Home returns the island to its media page.
  EXPECT_TRUE(PressKey(VK_ESCAPE, panel_->window()));
  EXPECT_EQ(island_->record().page, 0);
}

TEST_F(QuickControlsWindowTest, SoundSliderAndMuteReachTheVolume) {
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  Click(control::kSoundPage);
  OpenOn(Page::Sound);
  HWND slider = Child(control::kSlider);
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 100);
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 30);
  SendMessageW(slider, TBM_SETPOS, TRUE, 40);
  SendMessageW(panel_->window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(slider));
  EXPECT_FLOAT_EQ(fake_sound_.machine.level, 0.40f);
  // A press on the track jumps there, a drag follows, the release ends it.
  RECT channel{};
  SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const int width = channel.right - channel.left;
  const int y = (channel.top + channel.bottom) / 2;
  SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(channel.left + width * 3 / 4, y));
  EXPECT_EQ(GetCapture(), slider);
  EXPECT_NEAR(SendMessageW(slider, TBM_GETPOS, 0, 0), 75, 1);
  EXPECT_NEAR(fake_sound_.machine.level, 0.75f, 0.011f);
  // The 100 ms refresh leaves the held thumb where the mouse put it.
  fake_sound_.machine.level = 0.5f;
  fake_sound_.Binding().ReadVolume();
  panel_->panel().Tick();
  EXPECT_NEAR(SendMessageW(slider, TBM_GETPOS, 0, 0), 75, 1);
  SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(channel.left + width / 5, y));
  EXPECT_NEAR(fake_sound_.machine.level, 0.20f, 0.011f);
  SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(channel.right + 40, y));  // past the end: 100
  EXPECT_NE(GetCapture(), slider);
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 100);
  EXPECT_FLOAT_EQ(fake_sound_.machine.level, 1.0f);
  SendMessageW(slider, TBM_SETPOS, TRUE, 30);
  SendMessageW(panel_->window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(slider));
  Click(control::kMute);
  EXPECT_TRUE(fake_sound_.machine.muted);
  EXPECT_EQ(panel_->Text(control::kMute), L"Muted");
  // The list: both outputs, the default one selected; choosing the other switches.
  HWND list = Child(control::kList);
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  Snapshot(Page::Sound);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  SendMessageW(panel_->window(), WM_COMMAND, MAKEWPARAM(control::kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(fake_sound_.Binding().device_id(), L"{b}");
  EXPECT_EQ(panel_->Text(control::kStatus), L"Switched output to Headphones.");
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  // Esc on a settings page goes Home.
  EXPECT_TRUE(PressKey(VK_ESCAPE, slider));
  EXPECT_EQ(panel_->panel().page(), Page::Home);
}

TEST_F(QuickControlsWindowTest, NotchSettingsStyleThemeAndAutoHide) {
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  Click(control::kNotchPage);
  OpenOn(Page::NotchSettings);
  Click(control::kStylePill);
  EXPECT_EQ(host_port_.style, IslandStyle::Pill);
  wchar_t text[128] = {};
  GetWindowTextW(GetDlgItem(panel_->window(), 0xFFFF), text, 128);  // the first label without an id
  bool held = false;
  host_port_.during_menu = [&] { held = panel_->Busy(); };
  Click(control::kTheme);
  Click(control::kAutoHide);
  EXPECT_TRUE(held);
  EXPECT_EQ(host_port_.menus, (std::vector<TrayMenuVariant>{TrayMenuVariant::Theme, TrayMenuVariant::AutoHide}));
  Snapshot(Page::NotchSettings);
}

// A task on a real worker thread: COM is multithreaded there, the result
// comes back through the future when the panel's WM_APP + 1 arrives, and a
// throwing task leaves the fallback message.
TEST_F(QuickControlsWindowTest, WorkerTaskRunsInTheMultithreadedApartmentAndHandsBackItsResult) {
  QuickControlsWindow panel(window_,
                            PanelSeams{island_port_, media_port_, volume_, host_port_, work_, WorkerThreadLauncher()});
  ASSERT_TRUE(panel.Create());
  panel.panel().Show({});
  panel.panel().SetupPage(Page::Sound, true);
  ASSERT_TRUE(panel.panel().Start([](const std::atomic<bool>&) {
    APTTYPE type = APTTYPE_STA;
    APTTYPEQUALIFIER qualifier = APTTYPEQUALIFIER_NONE;
    const bool mta = SUCCEEDED(CoGetApartmentType(&type, &qualifier)) && type == APTTYPE_MTA;
    const DWORD thread = GetCurrentThreadId();
    return Continuation([mta, thread](QuickPanel& p) {
      p.ShowStatus(std::wstring(mta ? L"mta " : L"sta ") + (thread != GetCurrentThreadId() ? L"worker" : L"same"),
                   false);
    });
  }));
  const auto status = [&] {
    wchar_t text[128] = {};
    GetWindowTextW(GetDlgItem(panel.window(), control::kStatus), text, 128);
    return std::wstring(text);
  };
  // Timer 1 is stopped: only the finished message can deliver the result.
  panel.SetTickTimer(false);
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return status() == L"mta worker"; }));
  ASSERT_TRUE(panel.panel().Start([](const std::atomic<bool>&) -> Continuation { throw 1; }));
  ASSERT_TRUE(notch::testing::PumpUntil(
      [&] { return status() == L"Windows could not complete the request. Try again or open Settings."; }));
  EXPECT_TRUE(panel.panel().slot().Idle());
}

TEST_F(QuickControlsWindowTest, ThemeAndAutoHideButtonsChangeTheSettingsThroughTheirMenus) {
  IniDocument file = IniDocument::Parse(L"[Notch]\n");
  Settings settings{file};
  MenuHost host(settings);
  host.owner = panel_->window();
  host.holds = [&] { return panel_->Busy(); };
  QuickControlsWindow panel(window_, PanelSeams{island_port_, media_port_, volume_, host, work_, launcher_});
  ASSERT_TRUE(panel.Create());
  host.owner = panel.window();
  panel.panel().Show({});
  ShowWindow(panel.window(), SW_SHOWNA);
  panel.panel().SetupPage(Page::NotchSettings, true);
  const auto click = [&](int id) {
    SendMessageW(panel.window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(panel.window(), id)));
  };
  host.holds = [&] { return panel.Busy(); };
  host.keys = {VK_UP, VK_RETURN};  // the last theme: Leopard
  click(control::kTheme);
  EXPECT_EQ(settings.CurrentTheme(), Theme::Leopard);
  EXPECT_TRUE(host.held_during_menu);
  host.keys = {VK_DOWN, VK_DOWN, VK_RETURN};
  click(control::kAutoHide);
  EXPECT_EQ(settings.Read(setting::kAutoHideSeconds), L"10");
  click(control::kStyleActivity);
  EXPECT_EQ(settings.Style(), IslandStyle::ActivityOnly);
  click(control::kLyrics);  // not on this page: nothing happens to the file
  EXPECT_TRUE(settings.LyricsOn());
}

TEST_F(QuickControlsWindowTest, EveryPageHasItsControlsAndAPicture) {
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  for (int value = 1; value < kPageCount; ++value) {
    const Page page = static_cast<Page>(value);
    panel_->panel().OpenPanelAt(page);
    OpenOn(page);
    const PageLayout layout = BuildPage(page, {});
    for (const PanelControl& c : layout.controls) {
      if (c.id >= 0) {
        EXPECT_NE(Child(c.id), nullptr) << PageName(page) << " " << c.id;
      }
    }
    RECT rect{};
    GetWindowRect(panel_->window(), &rect);
    EXPECT_EQ(rect.bottom - rect.top, ScaleDip(panel_->panel().size().h, GetDpiForWindow(window_)));
    Snapshot(page);
  }
  // Back on Search settings returns to Search.
  panel_->panel().OpenPanelAt(Page::SearchSettings);
  OpenOn(Page::SearchSettings);
  Click(control::kBack);
  EXPECT_EQ(panel_->panel().page(), Page::Search);
}

// Mouse input as the user gives it: absolute moves over the primary screen.
void SendMouse(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  SendInput(1, &input, sizeof input);
  notch::testing::PumpUntil([] { return false; }, 60);
}

TEST_F(QuickControlsWindowTest, DraggingAChipIntoTheHeaderRewritesTheLayoutAndTheIslandHeader) {
  LayoutStore layouts(settings_);
  host_port_.layouts = &layouts;
  // The island's header row over the same layout, refreshed as the island's is.
  FontSet fonts;
  ActivityPorts ports;
  ports.header_buttons = [&layouts] { return layouts.Current().header; };
  IslandActivitySet header(fonts, settings_, ports);
  int header_changes = 0;
  island_port_.on_header_changed = [&] {
    header.RefreshHeader();
    ++header_changes;
  };
  const auto header_after_drawing = [&] {
    IslandRecord record;
    record.style = IslandStyle::Pill;
    record.state = IslandState::Expanded;
    record.page = page::kTimer;
    MediaSnapshot media;
    Countdown countdown;
    notch::testing::RecordingCanvas canvas;
    header.DrawContent(canvas, {IslandState::Expanded, record, media, countdown, {0, 0, 400, 200}, 20, 1, 30, 0});
    std::vector<int> buttons;
    for (float x = 1; x < 400; x += 4) {
      const HitItem item = header.HitTest({x, 14});
      if (item.kind == hit::kHeaderButton && (buttons.empty() || buttons.back() != item.index))
        buttons.push_back(item.index);
    }
    return buttons;
  };
  EXPECT_EQ(header_after_drawing(), DefaultLayout().header);

  island_->OpenQuickControls();
  panel_->OpenButtonLayout();
  OpenOn(Page::CustomizeButtons);
  const int wifi = *ButtonFromKey(L"wifi");
  HWND chip = Child(kChipBaseId + wifi);
  ASSERT_NE(chip, nullptr);
  RECT chip_rect{};
  GetWindowRect(chip, &chip_rect);
  // The end of the header row, in panel DIPs, on the screen.
  const unsigned dpi = panel_->panel().dpi();
  POINT drop{ScaleDip(300, dpi), ScaleDip(100, dpi)};
  ClientToScreen(panel_->window(), &drop);

  POINT at{(chip_rect.left + chip_rect.right) / 2, (chip_rect.top + chip_rect.bottom) / 2};
  SendMouse(at, 0);
  SendMouse(at, MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return panel_->panel().chip_drag().active; }, 3000));
  for (int step = 1; step <= 6; ++step) {
    SendMouse({at.x + (drop.x - at.x) * step / 6, at.y + (drop.y - at.y) * step / 6}, 0);
  }
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return panel_->panel().chip_drag().target.has_value(); }, 3000));
  EXPECT_TRUE(panel_->panel().chip_drag().target->header);
  EXPECT_EQ(panel_->panel().chip_drag().target->index, 5);
  wchar_t status[128] = {};
  GetWindowTextW(Child(control::kStatus), status, 128);
  EXPECT_STREQ(status, L"Release to place in the notch header.");
  Snapshot(Page::CustomizeButtons, L"-drag");
  SendMouse(drop, MOUSEEVENTF_LEFTUP);

  ASSERT_TRUE(notch::testing::PumpUntil([&] { return header_changes > 0; }, 3000));
  EXPECT_EQ(settings_.Read(setting::kButtonLayout, L""),
            L"home,timer,clipboard,shelf,system,wifi|bluetooth,hotspot,sound,display,search,notch,previous,play,"
            L"next,lyrics");
  EXPECT_EQ(header_after_drawing(), (std::vector<int>{0, 1, 2, 3, 4, wifi}));
  EXPECT_FALSE(panel_->panel().chip_drag().active);
  EXPECT_EQ(GetCapture(), nullptr);
  RECT moved{};
  GetWindowRect(Child(kChipBaseId + wifi), &moved);
  ScreenToClient(panel_->window(), reinterpret_cast<POINT*>(&moved));
  EXPECT_EQ(moved.top, ScaleDip(kHeaderChipTop, dpi));
  GetWindowTextW(Child(control::kStatus), status, 128);
  EXPECT_STREQ(status, L"Layout saved.");
  EXPECT_FALSE(IsWindowEnabled(Child(control::kResetLayout)) == FALSE);

  // The Home page now starts with Bluetooth.
  panel_->panel().OpenPanelAt(Page::Home);
  OpenOn(Page::Home);
  EXPECT_EQ(Child(control::kWiFiPage), nullptr);
  EXPECT_NE(Child(control::kBluetoothPage), nullptr);
  Snapshot(Page::Home, L"-layout");
  host_port_.layouts = nullptr;
}

// Wine has no monitor whose brightness WMI or DDC/CI reaches: the page says so.
TEST_F(QuickControlsWindowTest, DisplayReadsTheBrightnessAndShowsItUnavailableUnderWine) {
  work_.body = [](const std::atomic<bool>&) {
    const brightness::Result result = brightness::DisplayBrightnessWin({0, false});
    return Continuation([result](QuickPanel& p) { p.ShowBrightness(result); });
  };
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  panel_->panel().OpenPanelAt(Page::Display);
  OpenOn(Page::Display);
  const auto text = [&](int id) { return panel_->Text(id); };
  if (!notch::testing::RunningUnderWine()) GTEST_SKIP() << "a real display may have a brightness";
  ASSERT_TRUE(notch::testing::PumpUntil([&] {
    return text(control::kSubtitle) == L"Brightness is unavailable on this display";
  })) << WideToUtf8(text(control::kSubtitle));
  EXPECT_EQ(text(control::kStatus), L"External monitors may require DDC/CI enabled.");
  EXPECT_FALSE(IsWindowEnabled(Child(control::kSlider)));
  Snapshot(Page::Display);
}

// Under Wine the PulseAudio null sink is the one output: listed, marked
// default and selected, with the slider at its volume.
TEST_F(QuickControlsWindowTest, SoundListsTheSystemsDefaultOutput) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    CoreAudioSound system;
    ASSERT_TRUE(system.ready());
    if (notch::testing::SoundServerState() == "running") {
      ASSERT_TRUE(system.Binding().bound()) << "a sound server runs, yet there is no default output";
    }
    if (!system.Binding().bound()) {
      if (SUCCEEDED(com)) CoUninitialize();
      GTEST_SKIP() << "no default output endpoint (no sound server)";
    }
    sound_.target = &system;
    island_->OpenQuickControls();
    OpenOn(Page::Home);
    panel_->panel().OpenPanelAt(Page::Sound);
    OpenOn(Page::Sound);
    EXPECT_EQ(panel_->Text(control::kSubtitle), system.Binding().device_name());
    HWND list = Child(control::kList);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    ASSERT_NE(selected, LB_ERR);
    wchar_t item[256] = {};
    SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), system.Binding().device_name() + L"  \u00B7  Active");
    const int percent = audio_out::VolumePercent(system.Binding().last_level());
    EXPECT_EQ(SendMessageW(Child(control::kSlider), TBM_GETPOS, 0, 0), percent);
    EXPECT_EQ(panel_->Text(control::kValue), std::to_wstring(percent) + L"%");
    EXPECT_TRUE(IsWindowEnabled(Child(control::kSlider)));
    Snapshot(Page::Sound, L"-system");
    // Leave the page before the devices go.
    panel_->panel().OpenPanelAt(Page::Home);
    OpenOn(Page::Home);
    sound_.target = &fake_sound_;
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

// Wine's wlanapi opens a handle but has no interface: the page says so and
// offers nothing to connect to.
TEST_F(QuickControlsWindowTest, WifiWithoutAnAdapterSaysSo) {
  work_.body = [](const std::atomic<bool>& cancel) {
    WifiRefresh refresh;
    refresh.list = wifi::ListNetworks(wifi::NativeWlanApi(), false, cancel);
    return Continuation([refresh](QuickPanel& p) { p.ShowWifi(refresh); });
  };
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  panel_->panel().OpenPanelAt(Page::WiFi);
  OpenOn(Page::WiFi);
  if (!notch::testing::RunningUnderWine()) GTEST_SKIP() << "a real machine may have a Wi-Fi adapter";
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return panel_->panel().slot().Idle(); }));
  EXPECT_EQ(panel_->Text(control::kStatus), L"No Wi-Fi adapter found.");
  EXPECT_EQ(SendMessageW(Child(control::kList), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(panel_->Text(control::kSubtitle), L"Not connected");
  EXPECT_FALSE(IsWindowEnabled(Child(control::kAct)));
  Click(control::kAct);  // nothing selected: nothing happens
  EXPECT_TRUE(work_.connects.empty());
  Snapshot(Page::WiFi, L"-no-adapter");
}

// A fake list drawn as rows, then the key prompt over the page.
TEST_F(QuickControlsWindowTest, WifiListsNetworksAndAsksForAKey) {
  work_.body = [](const std::atomic<bool>&) {
    const WifiRefresh refresh = FakeNetworks();
    return Continuation([refresh](QuickPanel& p) { p.ShowWifi(refresh); });
  };
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  panel_->panel().OpenPanelAt(Page::WiFi);
  OpenOn(Page::WiFi);
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return panel_->panel().slot().Idle(); }));
  HWND list = Child(control::kList);
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(panel_->Text(control::kSubtitle), L"Tembo Home \u00B7 Connected");
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  SendMessageW(panel_->window(), WM_COMMAND, MAKEWPARAM(control::kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_TRUE(IsWindowEnabled(Child(control::kAct)));
  Snapshot(Page::WiFi, L"-list");

  Click(control::kAct);
  HWND edit = Child(control::kPromptEdit);
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 64);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_FALSE(IsWindowVisible(Child(control::kRefresh)));
  EXPECT_EQ(panel_->Text(control::kSubtitle), L"Password for Flat 4");
  Click(control::kRemember);
  SetWindowTextW(edit, L"short");
  Snapshot(Page::WiFi, L"-prompt");
  Click(control::kPromptSubmit);
  EXPECT_EQ(panel_->Text(control::kStatus), L"Enter at least 8 characters.");
  SetWindowTextW(edit, L"kilimanjaro");
  EXPECT_TRUE(PressKey(VK_RETURN, edit));
  EXPECT_EQ(Child(control::kPromptEdit), nullptr);
  EXPECT_TRUE(IsWindowVisible(list));
  ASSERT_EQ(work_.connects.size(), 1u);
  EXPECT_EQ(work_.connects[0].network.name, L"Flat 4");
  EXPECT_EQ(work_.connects[0].key_text, L"kilimanjaro");
  EXPECT_TRUE(work_.connects[0].remember);
}

}  // namespace
}  // namespace notch::quick

namespace notch::quick {
namespace {

// Wine registers DeviceInformation but no radios: the search comes back
// empty, the radio reads unknown and its tile cannot be pressed.
TEST_F(QuickControlsWindowTest, BluetoothPageSearchesWithTheSystemAndSaysNothingWasFound) {
  launcher_.threads = true;
  work_.radio_source = &radios::WindowsRadios();
  work_.device_source = &bluetooth::WindowsDevices();
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  panel_->panel().OpenPanelAt(Page::Bluetooth);
  OpenOn(Page::Bluetooth);
  if (!notch::testing::RunningUnderWine()) GTEST_SKIP() << "a real system may have Bluetooth devices";
  ASSERT_TRUE(notch::testing::PumpUntil([&] {
    return panel_->Text(control::kStatus) == L"No Bluetooth devices found.";
  })) << WideToUtf8(panel_->Text(control::kStatus));
  EXPECT_EQ(SendMessageW(Child(control::kList), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(panel_->Text(control::kRadioToggle), L"Bluetooth");
  EXPECT_FALSE(IsWindowEnabled(Child(control::kRadioToggle)));
  EXPECT_EQ(panel_->Text(control::kSubtitle), L"Make your device discoverable to pair");
  Snapshot(Page::Bluetooth);
}

TEST_F(QuickControlsWindowTest, HotspotTileOpensTheSettingsWhenTetheringIsUnavailable) {
  if (!notch::testing::RunningUnderWine()) GTEST_SKIP() << "a real system may share its connection";
  launcher_.threads = true;
  work_.tethering_source = &hotspot::WindowsTethering();
  panel_->panel().SetPendingHotspotToggle();  // as the header's Hotspot button does
  island_->OpenQuickControls();
  OpenOn(Page::Home);
  ASSERT_TRUE(notch::testing::PumpUntil([&] {
    return panel_->Text(control::kStatus) == L"Mobile Hotspot is unavailable right now.";
  })) << WideToUtf8(panel_->Text(control::kStatus));
  EXPECT_EQ(host_port_.uris, std::vector<std::wstring>{L"ms-settings:network-mobilehotspot"});
  EXPECT_EQ(panel_->Text(control::kHotspot), L"Hotspot");
  EXPECT_TRUE(IsWindowEnabled(Child(control::kHotspot)));
}

// The inline prompt of a confirm-PIN request, driven through a scripted
// pairing on a worker thread while the window pumps.
TEST_F(QuickControlsWindowTest, PairingPromptShowsThePinAndConfirmPairs) {
  launcher_.threads = true;
  notch::testing::FakeRadios radios;
  radios.radios = {{radios::RadioKind::Bluetooth, radios::kStateOn}};
  notch::testing::FakeDevices devices;
  devices.devices = {notch::testing::Dev(L"Keyboard", true), notch::testing::Dev(L"Speaker", false, true, true)};
  notch::testing::FakePairing pairing;
  notch::testing::FakeRequest request;
  request.kind = bluetooth::kConfirmPinMatch;
  request.pin = L"482913";
  pairing.on_poll = [&](int poll) {
    if (poll != 1) return;
    pairing.handler(request);
    pairing.status = bluetooth::PairingOperation::Status::Completed;
    pairing.result = request.accepts > 0 ? bluetooth::kPaired : bluetooth::kPairingFailed;
  };
  work_.radio_source = &radios;
  work_.device_source = &devices;
  work_.pairing_source = &pairing;

  island_->OpenQuickControls();
  OpenOn(Page::Home);
  panel_->panel().OpenPanelAt(Page::Bluetooth);
  OpenOn(Page::Bluetooth);
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return SendMessageW(Child(control::kList), LB_GETCOUNT, 0, 0) == 2; }));
  EXPECT_EQ(panel_->Text(control::kRadioToggle), L"Bluetooth on");
  Snapshot(Page::Bluetooth, L"-devices");
  SendMessageW(Child(control::kList), LB_SETCURSEL, 1, 0);
  SendMessageW(panel_->window(), WM_COMMAND, MAKEWPARAM(control::kList, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Child(control::kList)));
  EXPECT_EQ(panel_->Text(control::kAct), L"Pair device");
  Click(control::kAct);

  ASSERT_TRUE(notch::testing::PumpUntil([&] { return Child(control::kPromptSubmit) != nullptr; }));
  EXPECT_EQ(panel_->Text(control::kSubtitle), L"Does this PIN match?  482913");
  EXPECT_EQ(panel_->Text(control::kPromptSubmit), L"Confirm");
  EXPECT_EQ(GetFocus(), Child(control::kPromptCancel));
  EXPECT_FALSE(IsWindowVisible(Child(control::kList)));
  Snapshot(Page::Bluetooth, L"-pairing");
  Click(control::kPromptSubmit);
  ASSERT_TRUE(notch::testing::PumpUntil([&] { return panel_->Text(control::kStatus) == L"Paired with Speaker."; }))
      << WideToUtf8(panel_->Text(control::kStatus));
  EXPECT_EQ(request.accepts, 1);
  EXPECT_EQ(Child(control::kPromptSubmit), nullptr);
  EXPECT_TRUE(IsWindowVisible(Child(control::kList)));
}

// The Search page over the real list box: typing fills and resizes it, the
// keys move the selection, and the settings page lists the browsers.
TEST_F(QuickControlsWindowTest, SearchPageFillsTheListAndSettingsListTheBrowsers) {
  search_ports_.instant = [](std::wstring_view query) {
    std::vector<SearchResult> rows;
    if (query.empty()) return rows;
    const auto row = [&rows](ResultKind kind, const wchar_t* title, const wchar_t* subtitle, const wchar_t* target,
                             char16_t icon) {
      rows.push_back({kind, title, subtitle, target, L"", icon, 0});
    };
    row(ResultKind::File, L"Quarterly report.pdf", L"~\\Documents\\Work",
        L"C:\\Users\\me\\Documents\\Work\\Quarterly report.pdf", icon::kFile);
    row(ResultKind::Folder, L"Reports", L"~\\Documents", L"C:\\Users\\me\\Documents\\Reports", icon::kFolder);
    row(ResultKind::App, L"Report Builder", L"App", L"C:\\ProgramData\\Report Builder.lnk", icon::kApp);
    row(ResultKind::Setting, L"Windows Settings", L"System Settings", L"ms-settings:", 0xE713);
    row(ResultKind::Web, L"Search Google for \u201Creport\u201D", L"Default \u00B7 Shortcut 'yt' for YouTube",
        L"https://www.google.com/search?q=report", icon::kWeb);
    return rows;
  };
  panel_->panel().AttachSearch(*panel_, search_ports_);
  island_->OpenQuickSearch();
  OpenOn(Page::Search);
  const HWND list = Child(control::kList);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
  const unsigned dpi = GetDpiForWindow(window_);
  EXPECT_TRUE(notch::testing::PumpUntil([&] {
    RECT rect{};
    GetWindowRect(panel_->window(), &rect);
    return rect.bottom - rect.top == ScaleDip(224, dpi);
  }));

  SetWindowTextW(Child(control::kSearchEdit), L"report");
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 5);
  wchar_t item[128] = {};
  SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"Quarterly report.pdf  \u00B7  ~\\Documents\\Work");
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(notch::testing::PumpUntil([&] {
    RECT rect{};
    GetWindowRect(panel_->window(), &rect);
    return rect.bottom - rect.top == ScaleDip(368, dpi) && IsWindowEnabled(Child(control::kTerminal));
  }));
  RECT list_rect{};
  GetWindowRect(list, &list_rect);
  EXPECT_EQ(list_rect.bottom - list_rect.top, ScaleDip(180, dpi));
  SetFocus(Child(control::kSearchEdit));
  ASSERT_EQ(GetFocus(), Child(control::kSearchEdit));
  EXPECT_TRUE(PressKey(VK_DOWN, Child(control::kSearchEdit)));
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  Snapshot(Page::Search);

  Click(control::kSettings);
  OpenOn(Page::SearchSettings);
  EXPECT_EQ(SendMessageW(Child(control::kList), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(Child(control::kList), LB_GETCURSEL, 0, 0), 0);  // the default browser is active
  Snapshot(Page::SearchSettings);
}

}  // namespace
}  // namespace notch::quick
