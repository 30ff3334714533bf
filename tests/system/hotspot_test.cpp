#include "system/hotspot.h"

#include <gtest/gtest.h>

#include "fake_radios.h"

namespace notch::hotspot {
namespace {

using testing::FakeTethering;

Snapshot At(std::int32_t state) {
  Snapshot snapshot;
  snapshot.state = state;
  return snapshot;
}

TEST(HotspotTest, ReadsTheManagerOfTheInternetProfile) {
  FakeTethering source;
  source.manager.operational = kOperationalOn;
  source.manager.clients = 2;
  const Snapshot snapshot = ReadHotspot(source);
  EXPECT_EQ(snapshot.state, kOn);
  EXPECT_EQ(snapshot.clients, 2);
  EXPECT_EQ(snapshot.max_clients, 8);
  EXPECT_EQ(snapshot.ssid, L"Tembo-AP");
  EXPECT_EQ(source.capability_asked, source.internet);

  source.manager.operational = kOperationalInTransition;
  EXPECT_EQ(ReadHotspot(source).state, kSwitching);
  source.manager.operational = 7;
  EXPECT_EQ(ReadHotspot(source).state, kUnknown);
  source.manager.read_fails = true;
  EXPECT_EQ(ReadHotspot(source), Snapshot{});
}

TEST(HotspotTest, WithoutAnInternetProfileTheLastConnectedOrTheFirstIsUsed) {
  FakeTethering source;
  source.internet = nullptr;
  const Profile a = std::make_shared<int>(1), b = std::make_shared<int>(2), c = std::make_shared<int>(3);
  source.listed = {{nullptr, 3}, {a, 0}, {b, 2}, {c, 1}, {std::make_shared<int>(4), 0}};
  ReadHotspot(source);
  EXPECT_EQ(source.capability_asked, c);
  source.listed = {{nullptr, 0}, {a, 0}, {b, 0}};
  ReadHotspot(source);
  EXPECT_EQ(source.capability_asked, a);
}

TEST(HotspotTest, EveryReasonTheManagerIsUnavailable) {
  FakeTethering source;
  source.internet = nullptr;
  Snapshot snapshot = ReadHotspot(source);
  EXPECT_EQ(snapshot.state, kUnavailable);
  EXPECT_EQ(snapshot.reason, L"Connect to Wi-Fi or Ethernet first to use Mobile Hotspot.");

  source.internet = std::make_shared<int>(1);
  const std::pair<std::int32_t, const wchar_t*> capabilities[] = {
      {2, L"Wi-Fi hardware does not support Mobile Hotspot."},
      {1, L"Mobile Hotspot is disabled by Windows policy."},
      {3, L"Mobile Hotspot is disabled by Windows policy."},
      {4, L"Mobile Hotspot is disabled by Windows policy."},
      {5, L"Mobile Hotspot is unavailable on the active connection."},
      {-1, L"Mobile Hotspot is unavailable on the active connection."},
  };
  for (const auto& [capability, reason] : capabilities) {
    source.capability = capability;
    EXPECT_EQ(ReadHotspot(source).reason, reason) << capability;
    EXPECT_EQ(SetHotspot(source, true), reason) << capability;
  }
  EXPECT_TRUE(source.switches.empty());

  source.capability = 0;
  source.no_manager = true;
  EXPECT_EQ(ReadHotspot(source).reason, L"Could not open Windows Mobile Hotspot.");

  source.fails = true;  // no class, as under Wine
  snapshot = ReadHotspot(source);
  EXPECT_EQ(snapshot.state, kUnavailable);
  EXPECT_EQ(snapshot.reason, L"Mobile Hotspot is unavailable right now.");
}

TEST(HotspotTest, SwitchMessagesByStatus) {
  EXPECT_EQ(SwitchMessage(0, true), L"");
  EXPECT_EQ(SwitchMessage(9, true), L"");
  EXPECT_EQ(SwitchMessage(9, false), L"Windows could not change Mobile Hotspot.");
  EXPECT_EQ(SwitchMessage(3, true), L"Turn on Wi-Fi first to enable Mobile Hotspot.");
  EXPECT_EQ(SwitchMessage(7, true), L"Turn on Bluetooth or Wi-Fi first.");
  EXPECT_EQ(SwitchMessage(8, true), L"No active internet connection to share.");
  EXPECT_EQ(SwitchMessage(6, false), L"Mobile Hotspot is already switching. Try again.");
  EXPECT_EQ(SwitchMessage(10, true), L"Wi-Fi radio cannot host Hotspot on the current band.");
  EXPECT_EQ(SwitchMessage(11, true), L"Wi-Fi radio cannot host Hotspot on the current band.");
  EXPECT_EQ(SwitchMessage(1, true), L"Windows could not change Mobile Hotspot.");
}

TEST(HotspotTest, SwitchingOnWhileOnReportsSuccessWithTheSsid) {
  FakeTethering source;
  source.manager.operational = kOperationalOn;
  source.manager.switch_status = 9;
  const TogglePlan plan = PlanToggle(ReadHotspot(source));
  EXPECT_FALSE(plan.switch_on);  // the tile turns an on hotspot off...
  // ...but a switch on that finds it on is a success.
  const std::wstring message = SetHotspot(source, true);
  EXPECT_EQ(message, L"");
  const SwitchReport report = ReportSwitch(message, ReadHotspot(source));
  EXPECT_EQ(report.status, L"Mobile Hotspot is on \u00B7 Tembo-AP");
  EXPECT_EQ(report.hold_ms, 4000u);
}

TEST(HotspotTest, TogglePlanAndReports) {
  Snapshot unavailable = At(kUnavailable);
  unavailable.reason = L"Connect to Wi-Fi or Ethernet first to use Mobile Hotspot.";
  TogglePlan plan = PlanToggle(unavailable);
  EXPECT_TRUE(plan.open_settings);
  EXPECT_EQ(plan.status, unavailable.reason);
  EXPECT_EQ(plan.hold_ms, 3500u);
  unavailable.reason.clear();
  EXPECT_EQ(PlanToggle(unavailable).status, L"Opened Windows Mobile Hotspot settings.");

  plan = PlanToggle(At(kOn));
  EXPECT_FALSE(plan.open_settings);
  EXPECT_FALSE(plan.switch_on);
  EXPECT_EQ(plan.status, L"Turning off Mobile Hotspot\u2026");
  EXPECT_EQ(plan.hold_ms, 6000u);
  for (std::int32_t state : {kOff, kUnknown}) {
    plan = PlanToggle(At(state));
    EXPECT_TRUE(plan.switch_on);
    EXPECT_EQ(plan.status, L"Turning on Mobile Hotspot\u2026");
  }

  EXPECT_EQ(ReportSwitch(L"No active internet connection to share.", At(kOff)).hold_ms, 5000u);
  EXPECT_EQ(ReportSwitch(L"", At(kOn)).status, L"Mobile Hotspot is on.");
  SwitchReport off = ReportSwitch(L"", At(kOff));
  EXPECT_EQ(off.status, L"Mobile Hotspot is off.");
  EXPECT_EQ(off.hold_ms, 3000u);
}

TEST(HotspotTest, TileTextsAndEnabledState) {
  EXPECT_EQ(HotspotTile(At(kOn), false, false).tooltip, L"Hotspot on");
  EXPECT_EQ(HotspotTile(At(kOn), false, false).subtitle, L"Sharing");
  EXPECT_EQ(HotspotTile(At(kOff), false, false).tooltip, L"Hotspot off");
  EXPECT_EQ(HotspotTile(At(kSwitching), false, false).tooltip, L"Hotspot\u2026");
  EXPECT_EQ(HotspotTile(At(kSwitching), false, false).subtitle, L"Updating\u2026");
  EXPECT_EQ(HotspotTile(At(kUnavailable), false, false).tooltip, L"Hotspot");
  EXPECT_EQ(HotspotTile(At(kUnavailable), false, false).subtitle, L"Unavailable");
  EXPECT_EQ(HotspotTile(At(kUnknown), false, false).subtitle, L"Off");

  EXPECT_TRUE(HotspotTile(At(kOff), false, false).enabled);
  EXPECT_TRUE(HotspotTile(At(kUnavailable), false, false).enabled);
  EXPECT_FALSE(HotspotTile(At(kOff), true, false).enabled);
  EXPECT_FALSE(HotspotTile(At(kOff), false, true).enabled);
  EXPECT_FALSE(HotspotTile(At(kSwitching), false, false).enabled);
}

}  // namespace
}  // namespace notch::hotspot
