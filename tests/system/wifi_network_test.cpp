#include "system/wifi_network.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace notch::wifi {
namespace {

const wchar_t kFffd = static_cast<wchar_t>(0xFFFD);

TEST(WifiNetworkTest, DisplayNameDecodesUtf8AndReplacesControlAndBidiCharacters) {
  EXPECT_EQ(SsidDisplayName(Ssid::From("Caf\xC3\xA9 Wi-Fi")), L"Caf\u00E9 Wi-Fi");
  // A character outside the BMP stays whole (two UTF-16 units on Windows).
  EXPECT_EQ(SsidDisplayName(Ssid::From("\xF0\x9F\x98\x80net")), Utf8ToWide("\xF0\x9F\x98\x80net"));
  // Tab, NUL, DEL, U+0085, RLO (U+202E), LRI (U+2066), PDI (U+2069).
  const std::string controls(
      "a\tb\0c\x7F"
      "d\xC2\x85"
      "e\xE2\x80\xAE"
      "f\xE2\x81\xA6g\xE2\x81\xA9",
      21);
  EXPECT_EQ(SsidDisplayName(Ssid::From(controls)), std::wstring(L"a") + kFffd + L"b" + kFffd + L"c" + kFffd + L"d" +
                                                       kFffd + L"e" + kFffd + L"f" + kFffd + L"g" + kFffd);
  // Just outside the replaced ranges.
  EXPECT_EQ(SsidDisplayName(Ssid::From(" \xC2\xA0\xE2\x80\xA9\xE2\x81\xAA")), L" \u00A0\u2029\u206A");
}

TEST(WifiNetworkTest, DisplayNameOfInvalidUtf8IsReadByteByByte) {
  // A lone continuation byte, then bytes that are C1 controls in Latin-1.
  EXPECT_EQ(SsidDisplayName(Ssid::From("Caf\xE9\x80\x9F\xA0\xFF")),
            std::wstring(L"Caf\u00E9") + kFffd + kFffd + L"\u00A0\u00FF");
  // Overlong encoding and an encoded surrogate are invalid UTF-8 too.
  EXPECT_EQ(SsidDisplayName(Ssid::From("\xC0\xAF")), L"\u00C0\u00AF");
  EXPECT_EQ(SsidDisplayName(Ssid::From("\xED\xA0\x80")), std::wstring(L"\u00ED\u00A0") + kFffd);
  // A multi-byte character cut by the 32-byte limit.
  const std::string cut = std::string(31, 'x') + "\xC3";
  EXPECT_EQ(SsidDisplayName(Ssid::From(cut)), std::wstring(31, L'x') + L"\u00C3");
}

TEST(WifiNetworkTest, SsidHexIsUpperCaseTwoDigitsPerByte) {
  EXPECT_EQ(SsidHex(Ssid::From(std::string("\x00\x0a\xff"
                                           "A",
                                           4))),
            L"000AFF41");
  EXPECT_EQ(SsidHex(Ssid::From("")), L"");
}

TEST(WifiNetworkTest, ErrorTexts) {
  EXPECT_EQ(WlanErrorText(5), L"Windows denied Wi-Fi access. Open Wi-Fi settings.");
  EXPECT_EQ(WlanErrorText(1062), L"The Windows Wi-Fi service is unavailable.");
  EXPECT_EQ(WlanErrorText(0x80342002u), L"Wi-Fi is off.");
  EXPECT_EQ(WlanErrorText(0), L"Wi-Fi is unavailable right now.");
  EXPECT_EQ(WlanErrorText(0x80342001u), L"Wi-Fi is unavailable right now.");
}

TEST(WifiNetworkTest, PersonalMeansCcmpWithPskOrSae) {
  EXPECT_TRUE(IsPersonal(kAuthRsnaPsk, kCipherCcmp));
  EXPECT_TRUE(IsPersonal(kAuthWpa3Sae, kCipherCcmp));
  EXPECT_FALSE(IsPersonal(kAuthRsnaPsk, 2));  // TKIP
  EXPECT_FALSE(IsPersonal(6, kCipherCcmp));   // RSNA (enterprise)
  EXPECT_FALSE(IsPersonal(kAuthOpen, kCipherNone));
}

Network Named(const char* ssid, std::uint32_t signal) {
  Network network;
  network.ssid = Ssid::From(ssid);
  network.name = SsidDisplayName(network.ssid);
  network.signal = signal;
  network.auth_algorithm = kAuthRsnaPsk;
  network.cipher_algorithm = kCipherCcmp;
  return network;
}

TEST(WifiNetworkTest, MergeKeepsOneEntryPerSecurityAndSsidRankedByConnectedConnectableProfileSignal) {
  std::vector<Network> list;
  Network weak = Named("Home", 90);
  weak.interface_id[0] = 1;
  MergeNetwork(list, weak);
  Network connected = Named("Home", 20);
  connected.connected = true;
  connected.interface_id[0] = 2;
  MergeNetwork(list, connected);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_TRUE(list[0].connected);
  EXPECT_EQ(list[0].interface_id[0], 2);
  // A stronger signal does not beat a connected entry.
  MergeNetwork(list, Named("Home", 100));
  EXPECT_TRUE(list[0].connected);

  // Same SSID with other security is another network.
  Network wpa3 = Named("Home", 50);
  wpa3.auth_algorithm = kAuthWpa3Sae;
  MergeNetwork(list, wpa3);
  EXPECT_EQ(list.size(), 2u);

  // Connectable, then profile, then signal; a tie keeps the first.
  std::vector<Network> other;
  Network first = Named("Cafe", 40);
  first.interface_id[0] = 1;
  MergeNetwork(other, first);
  Network saved = Named("Cafe", 10);
  saved.profile_name = L"Cafe";
  saved.interface_id[0] = 2;
  MergeNetwork(other, saved);
  EXPECT_EQ(other[0].interface_id[0], 2);
  Network tie = saved;
  tie.interface_id[0] = 3;
  MergeNetwork(other, tie);
  EXPECT_EQ(other[0].interface_id[0], 2);
  Network connectable = Named("Cafe", 5);
  connectable.connectable = true;
  connectable.interface_id[0] = 4;
  MergeNetwork(other, connectable);
  EXPECT_EQ(other[0].interface_id[0], 4);
  Network stronger = connectable;
  stronger.signal = 6;
  stronger.interface_id[0] = 5;
  MergeNetwork(other, stronger);
  EXPECT_EQ(other[0].interface_id[0], 5);
  EXPECT_EQ(other.size(), 1u);
}

TEST(WifiNetworkTest, SortPutsConnectedFirstThenSignalThenUtf16Name) {
  std::vector<Network> list = {Named("b", 50), Named("ab", 50), Named("a", 50), Named("z", 80), Named("weak", 10)};
  list.back().connected = true;
  SortNetworks(list);
  std::vector<std::wstring> names;
  for (const Network& network : list) names.push_back(network.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"weak", L"z", L"a", L"ab", L"b"}));

  // UTF-16 order puts a surrogate pair (U+1F600) before U+FFFD, unlike code points.
  EXPECT_TRUE(Utf16Less(Utf8ToWide("\xF0\x9F\x98\x80"), L"\uFFFD"));
  EXPECT_FALSE(Utf16Less(L"\uFFFD", Utf8ToWide("\xF0\x9F\x98\x80")));
  EXPECT_TRUE(Utf16Less(L"Net", L"Net2"));
  EXPECT_FALSE(Utf16Less(L"Net", L"Net"));
  EXPECT_TRUE(Utf16Less(L"Z", L"a"));  // ordinal, not case-folded
}

TEST(WifiNetworkTest, ListStatusRules) {
  bool denied = true;
  EXPECT_EQ(ListStatus(true, false, denied, L"err"), L"Choose a network to connect.");
  EXPECT_FALSE(denied);
  denied = true;
  EXPECT_EQ(ListStatus(true, true, denied, L"err"), L"Allow location access to list Wi-Fi networks.");
  EXPECT_TRUE(denied);
  denied = false;
  EXPECT_EQ(ListStatus(true, true, denied, L"err"), L"No nearby networks found.");
  EXPECT_EQ(ListStatus(false, true, denied, L"err"), L"err");
}

}  // namespace
}  // namespace notch::wifi
