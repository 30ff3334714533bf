#include "panel/radio_controls.h"

#include <gtest/gtest.h>

#include "panel/quick_panel.h"
#include "panel_fakes.h"
#include "system/fake_radios.h"

namespace notch::quick {
namespace {

using notch::testing::Dev;
using notch::testing::FakeDevices;
using notch::testing::FakePacer;
using notch::testing::FakePairing;
using notch::testing::FakeRadios;
using notch::testing::FakeRequest;
using notch::testing::FakeTethering;
using testing::PanelRig;

class RadioControlsTest : public testing::EnglishTextsTest {
 protected:
  RadioControlsTest() {
    radios.radios = {{radios::RadioKind::WiFi, radios::kStateOn}, {radios::RadioKind::Bluetooth, radios::kStateOn}};
    devices.devices = {Dev(L"Mouse", false, true, true), Dev(L"Keyboard", true)};
    rig.work.radio_source = &radios;
    rig.work.device_source = &devices;
    rig.work.pairing_source = &pairing;
    rig.work.pacer = &pacer;
    rig.work.tethering_source = &tethering;
  }

  // Opens the panel on `page` and finishes its first background task.
  void OpenOn(Page page) {
    panel.OpenPanelAt(page);
    rig.Open();
    RunTask();
  }
  void RunTask() {
    ASSERT_FALSE(rig.launcher.jobs.empty());
    rig.launcher.RunNext();
    panel.Tick();
  }
  std::wstring Status() const { return rig.window.Text(control::kStatus); }

  FakeRadios radios;
  FakeDevices devices;
  FakePairing pairing;
  FakePacer pacer;
  FakeTethering tethering;
  PanelRig rig;
  QuickPanel& panel = rig.panel;
};

TEST_F(RadioControlsTest, BluetoothPageListsPairedDevicesFirst) {
  OpenOn(Page::Bluetooth);
  ASSERT_EQ(rig.window.rows.size(), 2u);
  EXPECT_EQ(rig.window.rows[0], (ListRow{L"Keyboard", L"Keyboard", L"Paired device", L"Paired", L'\uE702'}));
  EXPECT_EQ(rig.window.rows[1], (ListRow{L"Mouse", L"Mouse", L"Available to pair", L"", L'\uE702'}));
  EXPECT_EQ(rig.window.Text(control::kSubtitle), L"1 paired device");
  EXPECT_EQ(Status(), L"Select a device to pair.");
  EXPECT_EQ(rig.window.Text(control::kRadioToggle), L"Bluetooth on");
  EXPECT_EQ(rig.window.captions[control::kRadioToggle], (TileCaption{L"Bluetooth", L"Discoverable", false}));
  EXPECT_TRUE(rig.window.enabled[control::kRadioToggle]);

  // A paired device: the action reads "Paired" and cannot be pressed.
  rig.window.selection = 0;
  panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  EXPECT_EQ(rig.window.Text(control::kAct), L"Paired");
  EXPECT_FALSE(rig.window.enabled[control::kAct]);
  panel.Command(control::kAct);
  EXPECT_TRUE(rig.launcher.jobs.empty());
  rig.window.selection = 1;
  panel.Command(control::kList, QuickPanel::Notification::ListSelection);
  EXPECT_EQ(rig.window.Text(control::kAct), L"Pair device");
  EXPECT_TRUE(rig.window.enabled[control::kAct]);

  // A refill keeps the selection on the same name.
  devices.devices.insert(devices.devices.begin(), Dev(L"Headset", true));
  panel.Command(control::kRefresh);
  EXPECT_FALSE(rig.window.enabled[control::kRadioToggle]);  // busy
  RunTask();
  EXPECT_EQ(rig.window.selection, std::optional<std::size_t>(2));
  EXPECT_EQ(rig.window.Text(control::kSubtitle), L"2 paired devices");
}

TEST_F(RadioControlsTest, RadioOffSkipsTheQueryAndTogglesOnThroughTheAccessRequest) {
  radios.radios[1].state = radios::kStateOff;
  OpenOn(Page::Bluetooth);
  EXPECT_EQ(devices.queries, 0);
  EXPECT_EQ(Status(), L"Bluetooth is off.");
  EXPECT_EQ(rig.window.placeholder, L"Bluetooth is turned off.");
  EXPECT_EQ(rig.window.Text(control::kSubtitle), L"Bluetooth is off");
  EXPECT_EQ(rig.window.Text(control::kRadioToggle), L"Bluetooth off");
  EXPECT_TRUE(rig.window.captions[control::kRadioToggle].crossed);

  panel.Command(control::kRadioToggle);
  EXPECT_EQ(rig.work.access_requests, 1);
  EXPECT_EQ(Status(), L"Waiting for Windows radio access\u2026");
  EXPECT_FALSE(rig.window.enabled[control::kRadioToggle]);
  EXPECT_FALSE(rig.window.enabled[control::kRefresh]);
  EXPECT_TRUE(panel.PanelWantsToStay());
  // The pending request counts as a busy slot.
  panel.Command(control::kRadioToggle);
  EXPECT_EQ(rig.work.access_requests, 1);
  EXPECT_FALSE(panel.Start([](const std::atomic<bool>&) { return Continuation(); }));
  panel.Tick();
  EXPECT_TRUE(rig.launcher.jobs.empty());

  *rig.work.access_answer = radios::kAccessAllowed;
  panel.Tick();
  RunTask();  // the switch
  ASSERT_EQ(radios.sets.size(), 1u);
  EXPECT_EQ(radios.sets[0], (std::pair<std::size_t, bool>{1, true}));
  EXPECT_EQ(Status(), L"Looking for Bluetooth devices\u2026");
  RunTask();  // the refresh with rescan
  EXPECT_EQ(Status(), L"Select a device to pair.");
  EXPECT_EQ(rig.window.Text(control::kRadioToggle), L"Bluetooth on");
}

TEST_F(RadioControlsTest, RadioSwitchFailuresShowTheirMessages) {
  OpenOn(Page::Bluetooth);
  rig.work.access_request_fails = true;
  panel.Command(control::kRadioToggle);
  EXPECT_EQ(Status(), L"Open Windows settings to change the radio.");
  EXPECT_FALSE(panel.radio().AccessPending());

  rig.work.access_request_fails = false;
  panel.Command(control::kRadioToggle);
  *rig.work.access_answer = 2;  // denied by the user
  panel.Tick();
  EXPECT_EQ(Status(), L"Windows denied radio access. Open Windows settings.");
  EXPECT_TRUE(rig.launcher.jobs.empty());
  EXPECT_TRUE(rig.window.enabled[control::kRadioToggle]);

  radios.radios[1].set_answer = 3;
  panel.Command(control::kRadioToggle);
  *rig.work.access_answer = radios::kAccessAllowed;
  panel.Tick();
  RunTask();
  RunTask();
  EXPECT_EQ(Status(), L"Windows denied access to the radio.");
}

TEST_F(RadioControlsTest, AnUnknownRadioCannotBeToggled) {
  radios.fails = true;
  OpenOn(Page::Bluetooth);
  EXPECT_EQ(rig.window.Text(control::kRadioToggle), L"Bluetooth");
  EXPECT_EQ(rig.window.captions[control::kRadioToggle].subtitle, L"Checking\u2026");
  EXPECT_FALSE(rig.window.enabled[control::kRadioToggle]);
  panel.Command(control::kRadioToggle);
  EXPECT_EQ(rig.work.access_requests, 0);
}

class PairingPanelTest : public RadioControlsTest {
 protected:
  // Opens Bluetooth, selects "Mouse" and starts pairing it; `during` runs
  // at each of the request handler's waits with the wait's number.
  void PairMouse(std::int32_t kind, std::function<void(int)> during) {
    OpenOn(Page::Bluetooth);
    rig.window.selection = 1;
    panel.Command(control::kList, QuickPanel::Notification::ListSelection);
    panel.Command(control::kAct);
    EXPECT_EQ(Status(), L"Starting Bluetooth pairing\u2026");
    request.kind = kind;
    request.pin = L"482913";
    pairing.on_poll = [this, during](int poll) {
      if (poll != 1) return;
      pacer.on_sleep = during;
      pairing.handler(request);
      pacer.on_sleep = nullptr;
      pairing.status = bluetooth::PairingOperation::Status::Completed;
      pairing.result = request.accepts > 0 ? bluetooth::kPaired : 19;
    };
    rig.launcher.RunNext();  // the pairing task, with the UI ticking inside
    panel.Tick();
  }
  FakeRequest request;
};

TEST_F(PairingPanelTest, ConfirmOnlyPromptFocusesCancelAndPairs) {
  PairMouse(bluetooth::kConfirmOnly, [this](int wait) {
    if (wait != 1) return;
    panel.Tick();
    ASSERT_FALSE(rig.window.prompt.empty());
    EXPECT_EQ(rig.window.texts[control::kSubtitle], L"Confirm pairing with this device.");
    EXPECT_EQ(rig.window.prompt.size(), 2u);  // no edit
    EXPECT_EQ(rig.window.prompt[0].rect, (DipRect{28, 108, 118, 30}));
    EXPECT_EQ(rig.window.focused, control::kPromptCancel);
    EXPECT_TRUE(panel.PanelWantsToStay());
    panel.Tick();  // shown once
    EXPECT_EQ(rig.window.prompts_shown, 1);
    EXPECT_TRUE(panel.Key(PanelKey::Enter, control::kPromptSubmit));
    EXPECT_TRUE(rig.window.prompt.empty());
    EXPECT_EQ(Status(), L"Complete the Windows pairing confirmation if shown.");
  });
  EXPECT_EQ(request.accepts, 1);
  EXPECT_EQ(pairing.kinds, 15);
  RunTask();  // the refresh without rescan
  EXPECT_EQ(Status(), L"Paired with Mouse.");
}

TEST_F(PairingPanelTest, ProvidePinNeedsAPin) {
  PairMouse(bluetooth::kProvidePin, [this](int wait) {
    if (wait == 1) {
      panel.Tick();
      ASSERT_FALSE(rig.window.prompt.empty());
      EXPECT_EQ(rig.window.texts[control::kSubtitle], L"Enter the PIN shown on the device.");
      EXPECT_EQ(rig.window.prompt[0].id, control::kPromptEdit);
      EXPECT_EQ(rig.window.prompt[0].text_limit, 16);
      EXPECT_EQ(rig.window.prompt[1].rect.y, 184);
      EXPECT_EQ(rig.window.focused, control::kPromptEdit);
      panel.Command(control::kPromptSubmit);
      EXPECT_EQ(Status(), L"Enter the PIN shown on the device.");
      EXPECT_FALSE(rig.window.prompt.empty());
    } else if (wait == 2) {
      rig.window.texts[control::kPromptEdit] = L"0042";
      panel.Command(control::kPromptSubmit);
      EXPECT_TRUE(rig.window.prompt.empty());
    }
  });
  EXPECT_EQ(request.accepted_pin, std::optional<std::wstring>(L"0042"));
}

TEST_F(PairingPanelTest, PinMatchShowsThePin) {
  PairMouse(bluetooth::kConfirmPinMatch, [this](int wait) {
    if (wait != 1) return;
    panel.Tick();
    ASSERT_FALSE(rig.window.prompt.empty());
    EXPECT_EQ(rig.window.texts[control::kSubtitle], L"Does this PIN match?  482913");
    panel.Command(control::kPromptSubmit);
  });
  EXPECT_EQ(request.accepts, 1);
  EXPECT_FALSE(request.accepted_pin.has_value());
}

TEST_F(PairingPanelTest, CancelMidPromptStopsPairingAndDropsItsResult) {
  PairMouse(bluetooth::kDisplayPin, [this](int wait) {
    if (wait != 1) return;
    panel.Tick();
    ASSERT_FALSE(rig.window.prompt.empty());
    EXPECT_EQ(rig.window.texts[control::kSubtitle], L"Enter this PIN on the device:  482913");
    EXPECT_TRUE(panel.Key(PanelKey::Escape, control::kPromptCancel));
    EXPECT_TRUE(rig.window.prompt.empty());
    EXPECT_EQ(Status(), L"Canceled.");
  });
  EXPECT_EQ(request.accepts, 0);
  EXPECT_TRUE(request.completed);
  // The task's "Could not pair" is dropped; the page stays as it was.
  EXPECT_EQ(Status(), L"Canceled.");
  EXPECT_TRUE(rig.launcher.jobs.empty());
  EXPECT_FALSE(panel.radio().has_prompt());
  EXPECT_EQ(rig.window.rows.size(), 2u);
}

TEST_F(PairingPanelTest, AnUnansweredRequestTimesOut) {
  PairMouse(bluetooth::kConfirmOnly, [this](int wait) {
    if (wait == 1) panel.Tick();
  });
  EXPECT_EQ(request.accepts, 0);
  EXPECT_TRUE(request.completed);
  EXPECT_GE(pacer.now, 1000u + 55000u);
  EXPECT_TRUE(rig.window.prompt.empty());  // the continuation closed it
  RunTask();
  EXPECT_EQ(Status(), L"Could not pair. Make the device discoverable and try again.");
}

class HotspotPanelTest : public RadioControlsTest {};

TEST_F(HotspotPanelTest, TileSwitchesOnOnceAndReportsTheSsid) {
  OpenOn(Page::Home);  // reads the snapshot
  EXPECT_EQ(rig.window.Text(control::kHotspot), L"Hotspot off");
  EXPECT_TRUE(rig.window.enabled[control::kHotspot]);

  panel.Command(control::kHotspot);
  EXPECT_EQ(rig.window.Text(control::kHotspot), L"Hotspot\u2026");
  EXPECT_FALSE(rig.window.enabled[control::kHotspot]);
  EXPECT_EQ(Status(), L"Turning on Mobile Hotspot\u2026");
  panel.Command(control::kHotspot);  // a second press starts nothing
  EXPECT_EQ(rig.launcher.jobs.size(), 1u);
  RunTask();
  EXPECT_EQ(tethering.switches, std::vector<bool>{true});
  EXPECT_EQ(rig.window.Text(control::kHotspot), L"Hotspot on");
  EXPECT_EQ(Status(), L"Mobile Hotspot is on \u00B7 Tembo-AP");
  rig.window.clock_.Advance(3900);
  panel.Tick();
  EXPECT_EQ(Status(), L"Mobile Hotspot is on \u00B7 Tembo-AP");  // held 4 s
  rig.window.clock_.Advance(200);
  panel.Tick();
  EXPECT_EQ(Status(), L"No media playing");

  panel.Command(control::kHotspot);
  EXPECT_EQ(Status(), L"Turning off Mobile Hotspot\u2026");
  RunTask();
  EXPECT_EQ(Status(), L"Mobile Hotspot is off.");
}

TEST_F(HotspotPanelTest, UnavailableTileOpensSettingsWithTheReason) {
  tethering.internet = nullptr;
  OpenOn(Page::Home);
  panel.Command(control::kHotspot);
  EXPECT_EQ(rig.host.uris, std::vector<std::wstring>{L"ms-settings:network-mobilehotspot"});
  EXPECT_EQ(Status(), L"Connect to Wi-Fi or Ethernet first to use Mobile Hotspot.");
  EXPECT_TRUE(rig.launcher.jobs.empty());
  rig.window.clock_.Advance(3400);
  panel.Tick();
  EXPECT_EQ(Status(), L"Connect to Wi-Fi or Ethernet first to use Mobile Hotspot.");
}

TEST_F(HotspotPanelTest, FailedSwitchShowsItsMessageForFiveSeconds) {
  tethering.manager.switch_status = 3;
  OpenOn(Page::Home);
  panel.Command(control::kHotspot);
  RunTask();
  EXPECT_EQ(Status(), L"Turn on Wi-Fi first to enable Mobile Hotspot.");
  EXPECT_EQ(rig.window.Text(control::kHotspot), L"Hotspot off");
  rig.window.clock_.Advance(4900);
  panel.Tick();
  EXPECT_EQ(Status(), L"Turn on Wi-Fi first to enable Mobile Hotspot.");
}

TEST_F(HotspotPanelTest, ASwitchThatThrowsLeavesTheTileUsableAndSaysSo) {
  OpenOn(Page::Home);
  tethering.manager.switch_throws = true;
  panel.Command(control::kHotspot);
  EXPECT_FALSE(rig.window.enabled[control::kHotspot]);
  RunTask();
  EXPECT_EQ(panel.radio().hotspot().state, hotspot::kOff);
  EXPECT_TRUE(rig.window.enabled[control::kHotspot]);
  EXPECT_EQ(Status(), TaskFailedMessage());
}

TEST_F(HotspotPanelTest, HeaderToggleWaitsForTheHomeReadThenRunsOnce) {
  panel.SetPendingHotspotToggle();
  panel.OpenPanelAt(Page::Home);
  rig.Open();
  EXPECT_EQ(rig.launcher.jobs.size(), 1u);  // the read; the toggle waits
  EXPECT_TRUE(panel.radio().pending_hotspot_toggle());
  RunTask();  // the read's continuation, then the toggle
  EXPECT_FALSE(panel.radio().pending_hotspot_toggle());
  EXPECT_EQ(Status(), L"Turning on Mobile Hotspot\u2026");
  RunTask();
  EXPECT_EQ(tethering.switches, std::vector<bool>{true});
  panel.Tick();
  EXPECT_EQ(rig.launcher.jobs.size(), 0u);
}

TEST_F(HotspotPanelTest, ClosingForgetsThePendingToggleAndTheSnapshot) {
  OpenOn(Page::Home);
  panel.SetPendingHotspotToggle();
  tethering.manager.operational = hotspot::kOperationalOn;
  panel.Close();
  EXPECT_FALSE(panel.radio().pending_hotspot_toggle());
  EXPECT_EQ(panel.radio().hotspot().state, hotspot::kUnknown);
}

TEST_F(HotspotPanelTest, WithoutATetheringBackEndTheTileIsNotLeftSwitching) {
  rig.work.tethering_source = nullptr;
  panel.OpenPanelAt(Page::Home);
  rig.Open();
  panel.Command(control::kHotspot);
  EXPECT_EQ(panel.radio().hotspot().state, hotspot::kUnknown);
  EXPECT_TRUE(rig.window.enabled[control::kHotspot]);
}

}  // namespace
}  // namespace notch::quick
