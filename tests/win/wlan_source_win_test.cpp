// The Wi-Fi tasks over the real Native Wi-Fi API. Wine opens a WLAN handle
// and reports no interfaces, so the list ends as "no adapter".
#include "system/wlan_source_win.h"

#include <gtest/gtest.h>

#include "system/wifi_tasks.h"
#include "win_test_support.h"

namespace notch::wifi {
namespace {

TEST(WlanSourceWinTest, OpensAHandleAndEnumeratesInterfaces) {
  const std::unique_ptr<WlanSession> session = NativeWlanApi().Open();
  ASSERT_NE(session, nullptr);
  const auto interfaces = session->EnumInterfaces();
  EXPECT_EQ(interfaces.error, 0u);
  if (testing::RunningUnderWine()) {
    EXPECT_TRUE(interfaces.value.empty());
  }
}

TEST(WlanSourceWinTest, ListingWithoutAdaptersReportsNoAdapter) {
  std::atomic<bool> cancel{false};
  const ListResult result = ListNetworks(NativeWlanApi(), true, cancel);
  EXPECT_FALSE(result.status.empty());
  if (testing::RunningUnderWine()) {
    EXPECT_EQ(result.status, L"No Wi-Fi adapter found.");
    EXPECT_TRUE(result.networks.empty());
    EXPECT_FALSE(result.location_denied);
  }
}

Network MadeUpNetwork() {
  Network network;
  network.interface_id[0] = 0x5A;  // no such interface
  network.ssid = Ssid::From("Nowhere");
  network.name = L"Nowhere";
  network.auth_algorithm = kAuthRsnaPsk;
  network.cipher_algorithm = kCipherCcmp;
  network.personal = true;
  network.connectable = true;
  return network;
}

// Wine has no WlanConnect: these stop before it, after opening the handle and
// (when cancelled) registering for and unregistering from notifications.
TEST(WlanSourceWinTest, ARefusedKeyEndsBeforeConnectingAndIsWiped) {
  std::atomic<bool> cancel{false};
  auto key = std::make_shared<Secret>(L"short");
  EXPECT_EQ(ConnectNetwork(NativeWlanApi(), MadeUpNetwork(), key, false, cancel),
            L"Enter an 8\u201363 character Wi-Fi password.");
  EXPECT_TRUE(key->View().empty());
}

TEST(WlanSourceWinTest, ACancelledConnectWatchesThenEndsWithoutAMessage) {
  std::atomic<bool> cancel{true};
  auto key = std::make_shared<Secret>(L"password1");
  EXPECT_EQ(ConnectNetwork(NativeWlanApi(), MadeUpNetwork(), key, false, cancel), L"");
  EXPECT_TRUE(key->View().empty());
}

TEST(WlanSourceWinTest, ConnectingThroughAMissingInterfaceEndsWithAStatus) {
  if (testing::RunningUnderWine()) GTEST_SKIP() << "Wine does not implement WlanConnect";
  std::atomic<bool> cancel{false};
  const std::wstring message =
      ConnectNetwork(NativeWlanApi(), MadeUpNetwork(), std::make_shared<Secret>(L"password1"), false, cancel);
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(message.rfind(L"Connected", 0), std::wstring::npos);
}

}  // namespace
}  // namespace notch::wifi
