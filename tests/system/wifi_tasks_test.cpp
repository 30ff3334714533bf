#include "system/wifi_tasks.h"

#include <gtest/gtest.h>

#include "system/fake_wlan.h"

namespace notch::wifi {
namespace {

using testing::Entry;
using testing::FakeWlan;
using testing::Interface;

std::vector<std::wstring> Names(const ListResult& result) {
  std::vector<std::wstring> names;
  for (const Network& network : result.networks) names.push_back(network.name);
  return names;
}

TEST(WifiListTest, OpenEnumerateAndAdapterFailuresGiveOneStatus) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  wlan.open_fails = true;
  EXPECT_EQ(ListNetworks(wlan, true, cancel).status, L"Windows Wi-Fi services are unavailable.");

  FakeWlan broken;
  broken.enum_error = 1062;
  EXPECT_EQ(ListNetworks(broken, true, cancel).status, L"The Windows Wi-Fi service is unavailable.");
  EXPECT_EQ(broken.closed, 1);

  FakeWlan none;
  const ListResult result = ListNetworks(none, true, cancel);
  EXPECT_EQ(result.status, L"No Wi-Fi adapter found.");
  EXPECT_TRUE(result.networks.empty());
  EXPECT_TRUE(none.scanned.empty());
}

TEST(WifiListTest, FiltersMergesAcrossInterfacesAndSorts) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  wlan.interfaces = {Interface(1), Interface(2)};
  AvailableEntry adhoc = Entry("AdHoc", 99);
  adhoc.infrastructure = false;
  AvailableEntry too_long = Entry(std::string(33, 'x'), 99);
  AvailableEntry hidden = Entry("", 99);
  AvailableEntry loud = Entry("Loud", 250);
  AvailableEntry home_connected = Entry("Home", 30);
  home_connected.connected = true;
  home_connected.profile_name = L"Home";
  wlan.networks[Interface(1)] = {0, {adhoc, too_long, hidden, Entry("Home", 70), Entry("Cafe", 70, kAuthOpen, 0)}};
  wlan.networks[Interface(2)] = {0, {home_connected, loud}};
  const ListResult result = ListNetworks(wlan, false, cancel);
  EXPECT_EQ(Names(result), (std::vector<std::wstring>{L"Home", L"Loud", L"Cafe"}));
  EXPECT_EQ(result.status, L"Choose a network to connect.");
  const Network& home = result.networks[0];
  EXPECT_TRUE(home.connected);
  EXPECT_EQ(home.signal, 30u);
  EXPECT_EQ(home.interface_id, Interface(2));
  EXPECT_EQ(home.profile_name, L"Home");
  EXPECT_TRUE(home.personal);
  EXPECT_FALSE(home.open);
  EXPECT_EQ(result.networks[1].signal, 100u);  // capped
  EXPECT_TRUE(result.networks[2].open);
  EXPECT_FALSE(result.networks[2].personal);
  EXPECT_TRUE(wlan.scanned.empty());
}

TEST(WifiListTest, ErrorsAndLocationDenial) {
  std::atomic<bool> cancel{false};
  // Only errors: the last error seen while no interface answered.
  FakeWlan failing;
  failing.interfaces = {Interface(1), Interface(2)};
  failing.networks[Interface(1)] = {0x80342002u, {}};
  failing.networks[Interface(2)] = {1062, {}};
  EXPECT_EQ(ListNetworks(failing, false, cancel).status, L"The Windows Wi-Fi service is unavailable.");

  // Access denied: location flag and its own status.
  FakeWlan denied;
  denied.interfaces = {Interface(1)};
  denied.networks[Interface(1)] = {5, {}};
  ListResult result = ListNetworks(denied, false, cancel);
  EXPECT_TRUE(result.location_denied);
  EXPECT_EQ(result.status, L"Allow location access to list Wi-Fi networks.");

  // A denial after an interface answered is not remembered.
  FakeWlan later;
  later.interfaces = {Interface(1), Interface(2)};
  later.networks[Interface(1)] = {0, {}};
  later.networks[Interface(2)] = {5, {}};
  result = ListNetworks(later, false, cancel);
  EXPECT_FALSE(result.location_denied);
  EXPECT_EQ(result.status, L"No nearby networks found.");

  // A denied interface next to one that lists networks: the list wins.
  FakeWlan mixed;
  mixed.interfaces = {Interface(1), Interface(2)};
  mixed.networks[Interface(1)] = {5, {}};
  mixed.networks[Interface(2)] = {0, {Entry("Home", 50)}};
  result = ListNetworks(mixed, false, cancel);
  EXPECT_FALSE(result.location_denied);
  EXPECT_EQ(result.status, L"Choose a network to connect.");
}

TEST(WifiListTest, RescanScansEveryInterfaceAndWaitsForTheEvent) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  wlan.interfaces = {Interface(1), Interface(2)};
  wlan.event_on_wait = 3;
  ListNetworks(wlan, true, cancel);
  EXPECT_EQ(wlan.scanned, wlan.interfaces);
  EXPECT_EQ(wlan.waits, 3);
  EXPECT_EQ(wlan.watching, 0);  // unregistered again

  FakeWlan silent;
  silent.interfaces = {Interface(1)};
  ListNetworks(silent, true, cancel);
  EXPECT_EQ(silent.waits, 16);
  EXPECT_EQ(silent.elapsed_ms, 16 * 150);

  // Registration failed: plain sleeps of 150 ms.
  FakeWlan unwatched;
  unwatched.interfaces = {Interface(1)};
  unwatched.watch_fails = true;
  ListNetworks(unwatched, true, cancel);
  EXPECT_EQ(unwatched.waits, 0);
  EXPECT_EQ(unwatched.sleeps, 16);

  // No scan call succeeded: no wait at all.
  FakeWlan refused;
  refused.interfaces = {Interface(1)};
  refused.scan_errors[Interface(1)] = 5;
  ListNetworks(refused, true, cancel);
  EXPECT_EQ(refused.waits + refused.sleeps, 0);
}

TEST(WifiListTest, CancelStopsScansWaitsAndListing) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  wlan.interfaces = {Interface(1), Interface(2)};
  wlan.cancel_on_scan = &cancel;
  ListNetworks(wlan, true, cancel);
  EXPECT_EQ(wlan.scanned.size(), 1u);
  EXPECT_EQ(wlan.waits, 0);
  EXPECT_TRUE(wlan.listed.empty());
}

// Connecting.

Network HomeNetwork(bool with_profile = false) {
  Network network;
  network.interface_id = Interface(7);
  network.ssid = Ssid::From("Home");
  network.name = L"Home";
  network.auth_algorithm = kAuthRsnaPsk;
  network.cipher_algorithm = kCipherCcmp;
  network.personal = true;
  network.connectable = true;
  if (with_profile) network.profile_name = L"Home saved";
  return network;
}

CurrentConnection ConnectedTo(const Network& network) {
  return {true, network.ssid, network.auth_algorithm, network.cipher_algorithm};
}

TEST(WifiConnectTest, ConnectsWithATemporaryProfileAndWipesKeyAndDocument) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  const Network network = HomeNetwork();
  wlan.connection = ConnectedTo(network);
  wlan.connected_after_polls = 2;
  auto key = std::make_shared<Secret>(L"password1");
  EXPECT_EQ(ConnectNetwork(wlan, network, key, false, cancel), L"Connected to Home.");
  EXPECT_TRUE(key->View().empty());
  ASSERT_EQ(wlan.connects.size(), 1u);
  const ConnectRequest& request = wlan.connects[0];
  EXPECT_TRUE(request.temporary_profile);
  EXPECT_NE(request.profile.find(L"<keyMaterial>password1</keyMaterial>"), std::wstring::npos);
  EXPECT_EQ(request.interface_id, Interface(7));
  EXPECT_EQ(request.ssid, network.ssid);
  EXPECT_EQ(wlan.polls, 3);
  EXPECT_EQ(wlan.waits, 2);
  EXPECT_TRUE(wlan.saved.empty());
  EXPECT_EQ(wlan.watching, 0);
  EXPECT_EQ(wlan.closed, 1);
}

TEST(WifiConnectTest, SavedProfileModeAndRemembering) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  const Network saved = HomeNetwork(true);
  wlan.connection = ConnectedTo(saved);
  wlan.connected_after_polls = 0;
  EXPECT_EQ(ConnectNetwork(wlan, saved, nullptr, true, cancel), L"Connected to Home.");
  EXPECT_FALSE(wlan.connects[0].temporary_profile);
  EXPECT_EQ(wlan.connects[0].profile, L"Home saved");
  EXPECT_TRUE(wlan.saved.empty());  // a saved profile is not saved again

  FakeWlan remember;
  remember.connection = ConnectedTo(HomeNetwork());
  remember.connected_after_polls = 0;
  EXPECT_EQ(ConnectNetwork(remember, HomeNetwork(), std::make_shared<Secret>(L"password1"), true, cancel),
            L"Connected to Home.");
  EXPECT_EQ(remember.saved, (std::vector<std::wstring>{L"Home [486F6D65]"}));

  FakeWlan cannot;
  cannot.connection = ConnectedTo(HomeNetwork());
  cannot.connected_after_polls = 0;
  cannot.save_error = 5;
  EXPECT_EQ(ConnectNetwork(cannot, HomeNetwork(), std::make_shared<Secret>(L"password1"), true, cancel),
            L"Connected. Windows could not remember this network.");
}

TEST(WifiConnectTest, FailuresEachGiveTheirMessageAndStillWipeTheKey) {
  std::atomic<bool> cancel{false};
  FakeWlan closed;
  closed.open_fails = true;
  auto key = std::make_shared<Secret>(L"password1");
  EXPECT_EQ(ConnectNetwork(closed, HomeNetwork(), key, false, cancel), L"Windows Wi-Fi services are unavailable.");
  EXPECT_TRUE(key->View().empty());

  FakeWlan wlan;
  key = std::make_shared<Secret>(L"short");
  EXPECT_EQ(ConnectNetwork(wlan, HomeNetwork(), key, false, cancel), L"Enter an 8\u201363 character Wi-Fi password.");
  EXPECT_TRUE(key->View().empty());
  EXPECT_TRUE(wlan.connects.empty());

  FakeWlan rejected;
  rejected.connect_error = 0x80342002u;
  EXPECT_EQ(ConnectNetwork(rejected, HomeNetwork(), std::make_shared<Secret>(L"password1"), false, cancel),
            L"Wi-Fi is off.");
  EXPECT_EQ(rejected.polls, 0);
  EXPECT_EQ(rejected.watching, 0);

  // The notification's reason code ends the poll.
  FakeWlan wrong_key;
  wrong_key.on_poll = [](int poll, ConnectWatch* watch) {
    if (poll == 4) OnConnectNotification(*watch, AcmEvent::ConnectionComplete, Interface(7), &watch->ssid, 0x48001);
  };
  EXPECT_EQ(ConnectNetwork(wrong_key, HomeNetwork(), std::make_shared<Secret>(L"password1"), false, cancel),
            L"Could not connect. Check the password or try again.");
  EXPECT_EQ(wrong_key.polls, 4);
}

TEST(WifiConnectTest, ConnectedElsewhereOrWithOtherSecurityTimesOutAfter120Rounds) {
  std::atomic<bool> cancel{false};
  FakeWlan wlan;
  Network other = HomeNetwork();
  other.ssid = Ssid::From("Neighbour");
  wlan.connection = ConnectedTo(other);
  wlan.connected_after_polls = 0;
  EXPECT_EQ(ConnectNetwork(wlan, HomeNetwork(), std::make_shared<Secret>(L"password1"), false, cancel),
            L"Connection timed out. Try again.");
  EXPECT_EQ(wlan.polls, 120);
  EXPECT_EQ(wlan.elapsed_ms, 120 * 200);

  FakeWlan sae;
  Network wpa3 = HomeNetwork();
  wpa3.auth_algorithm = kAuthWpa3Sae;
  sae.connection = ConnectedTo(wpa3);
  sae.connected_after_polls = 0;
  sae.watch_fails = true;
  EXPECT_EQ(ConnectNetwork(sae, HomeNetwork(), std::make_shared<Secret>(L"password1"), false, cancel),
            L"Connection timed out. Try again.");
  EXPECT_EQ(sae.sleeps, 120);
  EXPECT_EQ(sae.waits, 0);
}

TEST(WifiConnectTest, CancelEndsWithoutAMessage) {
  std::atomic<bool> cancel{true};
  FakeWlan before;
  auto key = std::make_shared<Secret>(L"password1");
  EXPECT_EQ(ConnectNetwork(before, HomeNetwork(), key, false, cancel), L"");
  EXPECT_TRUE(before.connects.empty());
  EXPECT_TRUE(key->View().empty());
  EXPECT_EQ(before.closed, 1);

  cancel = false;
  FakeWlan during;
  during.on_poll = [&cancel](int poll, ConnectWatch*) {
    if (poll == 5) cancel = true;
  };
  EXPECT_EQ(ConnectNetwork(during, HomeNetwork(), std::make_shared<Secret>(L"password1"), false, cancel), L"");
  EXPECT_EQ(during.polls, 5);
}

TEST(WifiConnectTest, NotificationsOnlyCountForTheWatchedInterfaceAndSsid) {
  ConnectWatch watch;
  watch.interface_id = Interface(7);
  watch.ssid = Ssid::From("Home");
  const Ssid other = Ssid::From("Homer");
  EXPECT_TRUE(OnConnectNotification(watch, AcmEvent::ScanComplete, Interface(1), nullptr, 9));
  EXPECT_TRUE(OnConnectNotification(watch, AcmEvent::ScanFail, Interface(1), nullptr, 9));
  EXPECT_FALSE(OnConnectNotification(watch, AcmEvent::Other, Interface(7), &watch.ssid, 9));
  EXPECT_FALSE(OnConnectNotification(watch, AcmEvent::ConnectionComplete, Interface(1), &watch.ssid, 9));
  EXPECT_FALSE(OnConnectNotification(watch, AcmEvent::ConnectionComplete, Interface(7), &other, 9));
  Ssid oversized = watch.ssid;
  oversized.length = 33;
  EXPECT_FALSE(OnConnectNotification(watch, AcmEvent::ConnectionComplete, Interface(7), &oversized, 9));
  EXPECT_EQ(watch.reason.load(), 0u);
  EXPECT_TRUE(OnConnectNotification(watch, AcmEvent::ConnectionComplete, Interface(7), &watch.ssid, 9));
  EXPECT_EQ(watch.reason.load(), 9u);
  EXPECT_TRUE(OnScanNotification(AcmEvent::ScanComplete));
  EXPECT_FALSE(OnScanNotification(AcmEvent::ConnectionComplete));
}

}  // namespace
}  // namespace notch::wifi
