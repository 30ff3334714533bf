#include "panel/wifi_panel.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "panel_fakes.h"
#include "system/fake_radios.h"
#include "system/fake_wlan.h"

namespace notch::quick {
namespace {

using testing::PanelRig;

wifi::Network Make(const wchar_t* name, std::uint32_t signal, bool open, bool personal) {
  wifi::Network network;
  network.name = name;
  network.ssid = wifi::Ssid::From(std::string(name, name + std::wcslen(name)));
  network.signal = signal;
  network.open = open;
  network.personal = personal;
  network.connectable = true;
  return network;
}

class WifiPanelTest : public testing::EnglishTextsTest {
 protected:
  WifiPanelTest() {
    home.connected = true;
    home.profile_name = L"Home";
    rig.work.body = [this](const std::atomic<bool>&) {
      WifiRefresh refresh;
      refresh.list = scan;
      return Continuation([refresh](QuickPanel& p) { p.ShowWifi(refresh); });
    };
    scan.networks = {home, cafe, flat};
    scan.status = L"Choose a network to connect.";
  }

  // Opens the page and lets its first refresh (and the rescan it starts) finish.
  void OpenWifi() {
    rig.Open();
    panel.Command(control::kWiFiPage);
    FinishTasks();
  }
  void FinishTasks() {
    while (!rig.launcher.jobs.empty()) {
      rig.launcher.RunNext();
      panel.Tick();
    }
  }
  void Choose(std::size_t row) {
    window.Select(row);
    panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  }
  std::size_t RowOf(const std::wstring& name) const {
    for (std::size_t i = 0; i < window.rows.size(); ++i) {
      if (window.rows[i].title == name) return i;
    }
    ADD_FAILURE() << "no row for the network";
    return 0;
  }
  void OpenPromptFor(const std::wstring& name) {
    Choose(RowOf(name));
    panel.Command(control::kAct);
  }

  PanelRig rig;
  QuickPanel& panel = rig.panel;
  testing::FakeWindow& window = rig.window;
  wifi::Network home = Make(L"Home", 90, false, true);
  wifi::Network cafe = Make(L"Cafe", 70, true, false);
  wifi::Network flat = Make(L"Flat 4", 40, false, true);
  wifi::ListResult scan;
};

TEST_F(WifiPanelTest, OpeningShowsTheCachedListThenRescansQuietly) {
  rig.Open();
  panel.Command(control::kWiFiPage);
  ASSERT_EQ(rig.work.asked.size(), 1u);
  EXPECT_EQ(rig.work.asked[0], std::make_pair(Page::WiFi, false));
  EXPECT_EQ(window.placeholder, L"Looking for Wi-Fi networks\u2026");
  EXPECT_FALSE(window.enabled[control::kAct]);  // busy

  rig.launcher.RunNext();
  panel.Tick();
  ASSERT_EQ(window.rows.size(), 3u);
  EXPECT_EQ(window.rows[0].item_text, L"Home  \u00B7  90%  \u00B7  Connected  \u00B7  Secured");
  EXPECT_EQ(window.rows[0].detail, L"Connected \u00B7 Secured");
  EXPECT_EQ(window.rows[0].right, L"Connected \u00B7 90%");
  EXPECT_EQ(window.rows[1].detail, L"Open network");
  EXPECT_EQ(window.rows[1].glyph, kWifiGlyph);
  EXPECT_EQ(window.Text(control::kSubtitle), L"Home \u00B7 Connected");
  EXPECT_EQ(window.Text(control::kStatus), L"Choose a network to connect.");
  // The second refresh rescans, without putting "Looking for..." on the status line.
  ASSERT_EQ(rig.work.asked.size(), 2u);
  EXPECT_EQ(rig.work.asked[1], std::make_pair(Page::WiFi, true));
  EXPECT_EQ(window.Text(control::kStatus), L"Choose a network to connect.");
  EXPECT_EQ(window.placeholder, L"Looking for Wi-Fi networks…");
  FinishTasks();
  EXPECT_EQ(rig.work.asked.size(), 2u);  // no third refresh
  EXPECT_EQ(window.placeholder, L"No nearby networks found.");
}

TEST_F(WifiPanelTest, ARefillKeepsTheSelectionOnTheNetworkWithTheSameName) {
  OpenWifi();
  Choose(RowOf(L"Flat 4"));
  EXPECT_EQ(window.Text(control::kAct), L"Connect");
  EXPECT_TRUE(window.enabled[control::kAct]);
  std::swap(scan.networks[1], scan.networks[2]);  // Flat 4 moved up a row
  panel.Command(control::kRefresh);
  FinishTasks();
  EXPECT_EQ(window.selection, std::optional<std::size_t>(1));
  EXPECT_EQ(window.rows[1].title, L"Flat 4");

  scan.networks.pop_back();
  scan.networks.pop_back();  // Flat 4 went away
  panel.Command(control::kRefresh);
  FinishTasks();
  EXPECT_EQ(window.selection, std::nullopt);
  EXPECT_FALSE(window.enabled[control::kAct]);
}

TEST_F(WifiPanelTest, ActingOnTheSelectionOpensSettingsConnectsOrAsksForTheKey) {
  wifi::Network far = Make(L"Far", 10, false, true);
  far.connectable = false;
  wifi::Network corp = Make(L"Corp", 30, false, false);
  scan.networks = {home, cafe, flat, far, corp};
  OpenWifi();

  Choose(RowOf(L"Home"));  // connected: nothing
  EXPECT_EQ(window.Text(control::kAct), L"Connected");
  EXPECT_FALSE(window.enabled[control::kAct]);
  panel.Command(control::kList, QuickPanel::Notification::ListDoubleClick);
  EXPECT_TRUE(rig.host.uris.empty());
  EXPECT_TRUE(rig.work.connects.empty());

  Choose(RowOf(L"Far"));
  EXPECT_EQ(window.Text(control::kAct), L"Open Settings");
  panel.Command(control::kAct);
  Choose(RowOf(L"Corp"));
  panel.Command(control::kAct);
  EXPECT_EQ(rig.host.uris, (std::vector<std::wstring>{L"ms-settings:network-wifi", L"ms-settings:network-wifi"}));

  Choose(RowOf(L"Cafe"));  // open: connects at once, without a key
  panel.Command(control::kList, QuickPanel::Notification::ListDoubleClick);
  ASSERT_EQ(rig.work.connects.size(), 1u);
  EXPECT_EQ(rig.work.connects[0].network.name, L"Cafe");
  EXPECT_EQ(rig.work.connects[0].key, nullptr);
  EXPECT_FALSE(rig.work.connects[0].remember);
  EXPECT_EQ(window.Text(control::kStatus), L"Connecting\u2026");
  EXPECT_FALSE(window.enabled[control::kAct]);  // busy
  // While the task runs, acting again starts nothing.
  panel.Command(control::kAct);
  EXPECT_EQ(rig.work.connects.size(), 1u);
  FinishTasks();

  Choose(RowOf(L"Flat 4"));  // personal without a profile: the prompt
  panel.Command(control::kAct);
  EXPECT_TRUE(panel.wifi().prompt_shown());
  EXPECT_EQ(rig.work.connects.size(), 1u);
}

TEST_F(WifiPanelTest, LocationDeniedSendsEveryActionToTheLocationSettings) {
  scan = {};
  scan.location_denied = true;
  scan.status = L"Allow location access to list Wi-Fi networks.";
  OpenWifi();
  EXPECT_EQ(window.placeholder, L"Allow location access in Windows Settings.");
  EXPECT_EQ(window.Text(control::kAct), L"Location settings");
  EXPECT_TRUE(window.enabled[control::kAct]);
  panel.Command(control::kAct);
  EXPECT_EQ(rig.host.uris, std::vector<std::wstring>{L"ms-settings:privacy-location"});
}

TEST_F(WifiPanelTest, ThePromptTakesAKeyOfAtLeastEightCharactersAndConnects) {
  OpenWifi();
  OpenPromptFor(L"Flat 4");
  ASSERT_EQ(window.prompt.size(), 4u);
  EXPECT_EQ(window.prompt[0].id, control::kPromptEdit);
  EXPECT_TRUE(window.prompt[0].password);
  EXPECT_EQ(window.prompt[0].text_limit, 64);
  EXPECT_EQ(window.prompt[0].rect, (DipRect{38, 104, 296, 18}));
  EXPECT_EQ(window.prompt[1].text, L"Remember this network");
  EXPECT_EQ(window.prompt[2].rect, (DipRect{28, 184, 118, 30}));
  EXPECT_EQ(window.prompt[3].text, L"Cancel");
  EXPECT_EQ(window.focused, control::kPromptEdit);
  EXPECT_EQ(window.Text(control::kSubtitle), L"Password for Flat 4");
  EXPECT_EQ(window.Text(control::kStatus), L"Enter the Wi-Fi security key to connect.");
  EXPECT_FALSE(window.pressed[control::kRemember]);
  window.visible = true;
  EXPECT_TRUE(panel.PanelWantsToStay());

  window.SetText(control::kPromptEdit, L"1234567");
  panel.Command(control::kPromptSubmit);
  EXPECT_EQ(window.Text(control::kStatus), L"Enter at least 8 characters.");
  EXPECT_TRUE(panel.wifi().prompt_shown());
  EXPECT_TRUE(rig.work.connects.empty());

  panel.Command(control::kRemember);
  EXPECT_TRUE(window.pressed[control::kRemember]);
  window.SetText(control::kPromptEdit, L"correct horse");
  // Enter with the focus on Cancel is left to the button; anywhere else it submits.
  EXPECT_FALSE(panel.Key(PanelKey::Enter, control::kPromptCancel));
  EXPECT_TRUE(rig.work.connects.empty());
  EXPECT_TRUE(panel.Key(PanelKey::Enter, control::kPromptEdit));
  EXPECT_FALSE(panel.wifi().prompt_shown());
  EXPECT_TRUE(window.prompt.empty());
  ASSERT_EQ(rig.work.connects.size(), 1u);
  EXPECT_EQ(rig.work.connects[0].network.name, L"Flat 4");
  EXPECT_EQ(rig.work.connects[0].key_text, L"correct horse");
  EXPECT_TRUE(rig.work.connects[0].remember);
  EXPECT_EQ(window.Text(control::kStatus), L"Connecting\u2026");
  EXPECT_EQ(window.Text(control::kSubtitle), L"Home \u00B7 Connected");

  // The task's message stays on the status line through the refresh it starts.
  rig.work.connects.clear();
  const std::size_t asked = rig.work.asked.size();
  FinishTasks();
  ASSERT_EQ(rig.work.asked.size(), asked + 1);
  EXPECT_EQ(rig.work.asked.back(), std::make_pair(Page::WiFi, false));
  EXPECT_EQ(window.Text(control::kStatus), L"Connected.");
}

TEST_F(WifiPanelTest, CancellingOrLeavingDropsThePendingNetworkAndTheRememberFlag) {
  OpenWifi();
  OpenPromptFor(L"Flat 4");
  panel.Command(control::kRemember);
  EXPECT_TRUE(panel.Key(PanelKey::Escape, control::kPromptEdit));
  EXPECT_FALSE(panel.wifi().prompt_shown());
  EXPECT_TRUE(window.prompt.empty());
  EXPECT_EQ(window.Text(control::kStatus), L"Canceled.");
  EXPECT_EQ(panel.page(), Page::WiFi);  // Esc closed only the prompt

  OpenPromptFor(L"Flat 4");
  EXPECT_FALSE(panel.wifi().prompt().remember());
  panel.Command(control::kPromptCancel);
  EXPECT_EQ(window.Text(control::kStatus), L"Canceled.");

  OpenPromptFor(L"Flat 4");
  panel.Command(control::kBack);
  EXPECT_FALSE(panel.wifi().prompt_shown());
  EXPECT_EQ(panel.page(), Page::Home);

  // Closing the panel empties the key's edit at once, not at the next open.
  panel.Command(control::kWiFiPage);
  FinishTasks();
  OpenPromptFor(L"Flat 4");
  window.SetText(control::kPromptEdit, L"half typed");
  panel.Close();
  EXPECT_FALSE(panel.wifi().prompt_shown());
  EXPECT_TRUE(window.prompt.empty());
  EXPECT_EQ(window.Text(control::kPromptEdit), L"");
  EXPECT_TRUE(rig.work.connects.empty());
}

TEST_F(WifiPanelTest, ACancelledConnectShowsTheListPlaceholder) {
  rig.work.connect_message.clear();
  OpenWifi();
  Choose(RowOf(L"Cafe"));
  panel.Command(control::kAct);
  FinishTasks();
  EXPECT_EQ(window.Text(control::kStatus), L"No nearby networks found.");
}

// The refresh reads the Wi-Fi radio and the hotspot beside the networks:
// the toggle tile, the subtitle, the placeholder and the Hotspot tile follow.
TEST_F(WifiPanelTest, ARefreshCarriesTheRadioAndTheHotspotToTheirTiles) {
  notch::testing::FakeRadios radio_source;
  radio_source.radios = {{radios::RadioKind::Bluetooth, radios::kStateOn},
                         {radios::RadioKind::WiFi, radios::kStateOff}};
  notch::testing::FakeTethering tethering;
  tethering.manager.operational = hotspot::kOperationalOn;
  wifi::testing::FakeWlan wlan;
  rig.work.body = [&](const std::atomic<bool>& cancel) {
    const WifiRefresh refresh = ReadWifiPage(&radio_source, &tethering, wlan, false, cancel);
    return Continuation([refresh](QuickPanel& p) { p.ShowWifi(refresh); });
  };
  OpenWifi();
  EXPECT_TRUE(window.captions[control::kRadioToggle].crossed);
  EXPECT_EQ(window.Text(control::kSubtitle), L"Wi-Fi is turned off");
  EXPECT_EQ(window.placeholder, L"Wi-Fi is turned off.");
  EXPECT_EQ(window.captions[control::kHotspot].subtitle, L"Sharing");

  // A radio interface that fails, or no sources at all: nothing is known, the
  // tile is not crossed, the Hotspot tile keeps what it showed and the
  // networks are still listed.
  radio_source.fails = true;
  rig.work.body = [&](const std::atomic<bool>& cancel) {
    const WifiRefresh refresh = ReadWifiPage(&radio_source, nullptr, wlan, false, cancel);
    return Continuation([refresh](QuickPanel& p) { p.ShowWifi(refresh); });
  };
  panel.Command(control::kRefresh);
  FinishTasks();
  EXPECT_FALSE(window.captions[control::kRadioToggle].crossed);
  EXPECT_EQ(window.Text(control::kSubtitle), L"Not connected");
  EXPECT_EQ(window.captions[control::kHotspot].subtitle, L"Sharing");
  EXPECT_EQ(window.Text(control::kStatus), L"No Wi-Fi adapter found.");
}

}  // namespace
}  // namespace notch::quick
