#include "system/wifi_page.h"

#include <gtest/gtest.h>

namespace notch::wifi {
namespace {

Network Make(const wchar_t* name, bool open, bool personal, bool connectable = true) {
  Network network;
  network.name = name;
  network.open = open;
  network.personal = personal;
  network.connectable = connectable;
  network.signal = 64;
  return network;
}

using Kind = NetworkAction::Kind;

TEST(WifiPageTest, ActingOnTheSelectedNetworkInItsSixCases) {
  Network personal = Make(L"Home", false, true);
  // 1. Location denied wins over everything.
  NetworkAction action = ActOnNetwork(personal, true);
  EXPECT_EQ(action.kind, Kind::OpenSettings);
  EXPECT_STREQ(action.uri, L"ms-settings:privacy-location");
  // 2. Connected: nothing.
  Network connected = personal;
  connected.connected = true;
  EXPECT_EQ(ActOnNetwork(connected, false).kind, Kind::None);
  // 3. Not connectable.
  action = ActOnNetwork(Make(L"Far", false, true, false), false);
  EXPECT_EQ(action.kind, Kind::OpenSettings);
  EXPECT_STREQ(action.uri, L"ms-settings:network-wifi");
  // 4. Neither open nor personal: connect only with a profile.
  Network enterprise = Make(L"Corp", false, false);
  action = ActOnNetwork(enterprise, false);
  EXPECT_EQ(action.kind, Kind::OpenSettings);
  EXPECT_STREQ(action.uri, L"ms-settings:network-wifi");
  enterprise.profile_name = L"Corp";
  EXPECT_EQ(ActOnNetwork(enterprise, false).kind, Kind::Connect);
  // 5. A profile or an open network connects without a key.
  EXPECT_EQ(ActOnNetwork(Make(L"Cafe", true, false), false).kind, Kind::Connect);
  Network saved = personal;
  saved.profile_name = L"Home";
  EXPECT_EQ(ActOnNetwork(saved, false).kind, Kind::Connect);
  // 6. Personal without a profile asks for the key.
  EXPECT_EQ(ActOnNetwork(personal, false).kind, Kind::ShowPrompt);
}

TEST(WifiPageTest, PromptNeedsEightCharactersAndHasItsControls) {
  std::wstring status;
  EXPECT_FALSE(AcceptPromptKey(Secret(L"1234567"), status));
  EXPECT_EQ(status, L"Enter at least 8 characters.");
  status.clear();
  EXPECT_FALSE(AcceptPromptKey(Secret(L""), status));
  status.clear();
  EXPECT_TRUE(AcceptPromptKey(Secret(L"12345678"), status));
  EXPECT_TRUE(status.empty());
  EXPECT_EQ(PromptSubtitle(Make(L"Home", false, true)), L"Password for Home");
  ASSERT_EQ(std::size(kPromptControls), 4u);
  EXPECT_EQ(kPromptControls[0].id, 118);
  EXPECT_EQ(kPromptControls[1].id, 119);
  EXPECT_STREQ(kPromptControls[2].text, L"Connect");
  EXPECT_EQ(kPromptControls[3].x, 154);
}

TEST(WifiPageTest, KeyPromptHoldsThePendingNetworkUntilItCloses) {
  KeyPrompt prompt;
  EXPECT_FALSE(prompt.Submit(std::make_shared<Secret>(L"password1")).connect);  // not shown

  const KeyPrompt::Opened opened = prompt.Open(Make(L"Home", false, true));
  EXPECT_EQ(opened.subtitle, L"Password for Home");
  EXPECT_EQ(opened.status, L"Enter the Wi-Fi security key to connect.");
  prompt.ToggleRemember();

  auto short_key = std::make_shared<Secret>(L"1234567");
  KeyPrompt::Submitted submitted = prompt.Submit(short_key);
  EXPECT_FALSE(submitted.connect);
  EXPECT_EQ(submitted.status, L"Enter at least 8 characters.");
  EXPECT_TRUE(short_key->View().empty());  // a refused key is not kept either
  EXPECT_TRUE(prompt.shown());
  EXPECT_TRUE(prompt.remember());

  submitted = prompt.Submit(std::make_shared<Secret>(L"12345678"));
  ASSERT_TRUE(submitted.connect);
  EXPECT_EQ(submitted.network.name, L"Home");
  EXPECT_EQ(submitted.key->View(), L"12345678");
  EXPECT_TRUE(submitted.remember);
  EXPECT_FALSE(prompt.shown());
  EXPECT_FALSE(prompt.remember());
  EXPECT_TRUE(prompt.pending().name.empty());

  prompt.Open(Make(L"Cafe", false, true));
  EXPECT_FALSE(prompt.remember());  // starts off each time
  prompt.ToggleRemember();
  EXPECT_EQ(prompt.Cancel(), L"Canceled.");
  EXPECT_FALSE(prompt.shown());
  EXPECT_FALSE(prompt.remember());
  EXPECT_TRUE(prompt.pending().name.empty());
}

TEST(WifiPageTest, RowTexts) {
  Network open = Make(L"Cafe", true, false);
  EXPECT_EQ(RowDetail(open), L"Open network");
  EXPECT_EQ(RowRightText(open), L"64%");
  EXPECT_EQ(RowString(open), L"Cafe  \u00B7  64%  \u00B7  Open");

  Network saved = Make(L"Home", false, true);
  saved.profile_name = L"Home";
  EXPECT_EQ(RowDetail(saved), L"Saved \u00B7 Secured");
  EXPECT_EQ(RowString(saved), L"Home  \u00B7  64%  \u00B7  Saved  \u00B7  Secured");

  saved.connected = true;
  EXPECT_EQ(RowDetail(saved), L"Connected \u00B7 Secured");
  EXPECT_EQ(RowRightText(saved), L"Connected \u00B7 64%");
  EXPECT_EQ(RowString(saved), L"Home  \u00B7  64%  \u00B7  Connected  \u00B7  Secured");
}

TEST(WifiPageTest, SubtitleAndPlaceholderFollowRadioLocationAndRefresh) {
  std::vector<Network> networks = {Make(L"Cafe", true, false)};
  ListView view{&networks};
  EXPECT_EQ(Subtitle(view), L"Not connected");
  EXPECT_EQ(Placeholder(view), L"No nearby networks found.");
  view.radio_off = true;
  EXPECT_EQ(Subtitle(view), L"Wi-Fi is turned off");
  EXPECT_EQ(Placeholder(view), L"Wi-Fi is turned off.");
  view.location_denied = true;
  EXPECT_EQ(Placeholder(view), L"Allow location access in Windows Settings.");
  view.refreshing = true;
  EXPECT_EQ(Placeholder(view), L"Looking for Wi-Fi networks\u2026");
  networks.push_back(Make(L"Home", false, true));
  networks.back().connected = true;
  view.radio_off = false;
  EXPECT_EQ(Subtitle(view), L"Home \u00B7 Connected");
  EXPECT_EQ(Subtitle(ListView{}), L"Not connected");
}

TEST(WifiPageTest, StatusLineAfterTasks) {
  std::vector<Network> networks;
  ListView view{&networks};
  view.radio_off = true;
  EXPECT_EQ(StatusAfterConnect(L"Connected to Home.", view), L"Connected to Home.");
  EXPECT_EQ(StatusAfterConnect(L"", view), L"Wi-Fi is turned off.");
  EXPECT_EQ(StatusAfterRefresh(L"", L"Choose a network to connect."), L"Choose a network to connect.");
  EXPECT_EQ(StatusAfterRefresh(L"Refreshing", L"Choose a network to connect."), L"Refreshing");
}

TEST(WifiPageTest, ActionButtonTextAndState) {
  const Network personal = Make(L"Home", false, true);
  EXPECT_EQ(ActionButtonFor(nullptr, false, true).text, L"Connect");
  EXPECT_FALSE(ActionButtonFor(nullptr, false, true).enabled);
  EXPECT_TRUE(ActionButtonFor(&personal, false, true).enabled);
  EXPECT_FALSE(ActionButtonFor(&personal, false, false).enabled);

  const ActionButton location = ActionButtonFor(nullptr, true, true);
  EXPECT_EQ(location.text, L"Location settings");
  EXPECT_TRUE(location.enabled);
  EXPECT_FALSE(ActionButtonFor(&personal, true, false).enabled);

  Network connected = personal;
  connected.connected = true;
  EXPECT_EQ(ActionButtonFor(&connected, false, true).text, L"Connected");
  EXPECT_FALSE(ActionButtonFor(&connected, false, true).enabled);

  const Network far = Make(L"Far", false, true, false);
  EXPECT_EQ(ActionButtonFor(&far, false, true).text, L"Open Settings");
  Network enterprise = Make(L"Corp", false, false);
  EXPECT_EQ(ActionButtonFor(&enterprise, false, true).text, L"Open Settings");
  enterprise.profile_name = L"Corp";
  EXPECT_EQ(ActionButtonFor(&enterprise, false, true).text, L"Connect");
}

TEST(WifiPageTest, SelectionFollowsTheNameAcrossRefills) {
  const std::vector<Network> networks = {Make(L"A", true, false), Make(L"B", true, false)};
  EXPECT_EQ(SelectionAfterRefill(networks, L"B"), 1u);
  EXPECT_EQ(SelectionAfterRefill(networks, L"C"), std::nullopt);
  EXPECT_EQ(SelectionAfterRefill(networks, L""), std::nullopt);
}

}  // namespace
}  // namespace notch::wifi
