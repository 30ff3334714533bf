#include "system/wifi_profile.h"

#include <gtest/gtest.h>

#include <rapidxml/rapidxml.hpp>
#include <vector>

#include "common/text.h"

namespace notch::wifi {
namespace {

Network Personal(std::string_view ssid, std::uint32_t auth = kAuthRsnaPsk) {
  Network network;
  network.ssid = Ssid::From(ssid);
  network.name = SsidDisplayName(network.ssid);
  network.auth_algorithm = auth;
  network.cipher_algorithm = kCipherCcmp;
  network.personal = true;
  network.connectable = true;
  return network;
}

Network Open(std::string_view ssid) {
  Network network = Personal(ssid, kAuthOpen);
  network.cipher_algorithm = kCipherNone;
  network.personal = false;
  network.open = true;
  return network;
}

// Parses the document with a strict XML reader and returns the text of the
// element at `path` (slash-separated below the root), or "<missing>".
class Parsed {
 public:
  explicit Parsed(const std::wstring& xml) : text_(WideToUtf8(xml)) {
    buffer_.assign(text_.begin(), text_.end());
    buffer_.push_back('\0');
    document_.parse<rapidxml::parse_validate_closing_tags>(buffer_.data());
  }
  const rapidxml::xml_node<>* Root() const { return document_.first_node(); }
  std::string Text(const std::string& path) const {
    const rapidxml::xml_node<>* node = Root();
    std::size_t start = 0;
    while (node != nullptr && start <= path.size()) {
      const std::size_t slash = path.find('/', start);
      const std::string name = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
      node = node->first_node(name.c_str());
      if (slash == std::string::npos) break;
      start = slash + 1;
    }
    return node == nullptr ? "<missing>" : std::string(node->value(), node->value_size());
  }

 private:
  std::string text_;
  std::vector<char> buffer_;
  rapidxml::xml_document<> document_;
};

TEST(WifiProfileTest, Wpa2PassPhraseProfileIsTheExactDocument) {
  const ProfilePlan plan = PlanProfile(Personal("Home"), L"password1");
  ASSERT_EQ(plan.mode, ProfilePlan::Mode::Temporary);
  EXPECT_EQ(plan.profile_name, L"Home [486F6D65]");
  EXPECT_EQ(plan.xml,
            L"<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\"><name>Home [486F6D65]</name>"
            L"<SSIDConfig><SSID><hex>486F6D65</hex></SSID></SSIDConfig><connectionType>ESS</connectionType>"
            L"<connectionMode>manual</connectionMode><MSM><security><authEncryption><authentication>WPA2PSK"
            L"</authentication><encryption>AES</encryption><useOneX>false</useOneX></authEncryption><sharedKey>"
            L"<keyType>passPhrase</keyType><protected>false</protected><keyMaterial>password1</keyMaterial>"
            L"</sharedKey></security></MSM></WLANProfile>");
  Parsed parsed(plan.xml);
  EXPECT_STREQ(parsed.Root()->name(), "WLANProfile");
  EXPECT_EQ(std::string(parsed.Root()->first_attribute("xmlns")->value()),
            "http://www.microsoft.com/networking/WLAN/profile/v1");
}

TEST(WifiProfileTest, EachSecurityKindParsesBackWithItsAuthenticationAndKey) {
  const std::wstring hex64 = L"0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdef0123";
  struct Case {
    Network network;
    std::wstring key;
    const char* authentication;
    const char* encryption;
    const char* key_type;  // null: no key block
  };
  const std::vector<Case> cases = {
      {Open("Cafe"), L"", "open", "none", nullptr},
      {Open("Cafe"), L"ignored key", "open", "none", nullptr},
      {Personal("Home"), L"12345678", "WPA2PSK", "AES", "passPhrase"},
      {Personal("Home"), hex64, "WPA2PSK", "AES", "networkKey"},
      {Personal("Home", kAuthWpa3Sae), L"a passphrase of 63 characters......................xxxxxxxxxx", "WPA3SAE",
       "AES", "passPhrase"},
      // SAE has no raw key: the same 64 digits go in as a pass phrase.
      {Personal("Home", kAuthWpa3Sae), hex64, "WPA3SAE", "AES", "passPhrase"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.key));
    const ProfilePlan plan = PlanProfile(c.network, c.key);
    ASSERT_EQ(plan.mode, ProfilePlan::Mode::Temporary);
    Parsed parsed(plan.xml);
    EXPECT_EQ(parsed.Text("MSM/security/authEncryption/authentication"), c.authentication);
    EXPECT_EQ(parsed.Text("MSM/security/authEncryption/encryption"), c.encryption);
    EXPECT_EQ(parsed.Text("MSM/security/authEncryption/useOneX"), "false");
    EXPECT_EQ(parsed.Text("connectionMode"), "manual");
    if (c.key_type == nullptr) {
      EXPECT_EQ(parsed.Text("MSM/security/sharedKey"), "<missing>");
    } else {
      EXPECT_EQ(parsed.Text("MSM/security/sharedKey/keyType"), c.key_type);
      EXPECT_EQ(parsed.Text("MSM/security/sharedKey/protected"), "false");
      EXPECT_EQ(parsed.Text("MSM/security/sharedKey/keyMaterial"), WideToUtf8(c.key));
    }
  }
}

TEST(WifiProfileTest, EscapesAmpersandAndAnglesOnlyInNameAndKey) {
  const ProfilePlan plan = PlanProfile(Personal("A&B<C>'\""), L"k&<>'\"y!");
  ASSERT_EQ(plan.mode, ProfilePlan::Mode::Temporary);
  EXPECT_NE(plan.xml.find(L"<name>A&amp;B&lt;C&gt;'\" [4126423C433E2722]</name>"), std::wstring::npos)
      << WideToUtf8(plan.xml);
  EXPECT_NE(plan.xml.find(L"<keyMaterial>k&amp;&lt;&gt;'\"y!</keyMaterial>"), std::wstring::npos);
  Parsed parsed(plan.xml);
  EXPECT_EQ(parsed.Text("SSIDConfig/SSID/hex"), "4126423C433E2722");
}

TEST(WifiProfileTest, NonUtf8AndLongestSsidsStillGiveAWellFormedDocument) {
  const std::string raw = "\xFF\x01<&>" + std::string(27, '&');
  ASSERT_EQ(raw.size(), 32u);
  Network network = Personal(raw);
  const ProfilePlan plan = PlanProfile(network, std::wstring(63, L'&'));
  ASSERT_EQ(plan.mode, ProfilePlan::Mode::Temporary);
  EXPECT_LE(plan.xml.size(), 1400u);
  EXPECT_NO_THROW(Parsed{plan.xml});
  EXPECT_EQ(plan.profile_name.substr(0, 2), std::wstring(L"\u00FF\uFFFD"));
}

TEST(WifiProfileTest, RefusesBadKeysAndNetworksItCannotDescribe) {
  const std::wstring bad_hex = L"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdeg";
  ASSERT_EQ(bad_hex.size(), 64u);
  for (const std::wstring& key : {bad_hex, std::wstring(L"1234567"), std::wstring(L""), std::wstring(L"tab\there!"),
                                  std::wstring(L"caf\u00E9 password"), std::wstring(64, L'x')}) {
    const ProfilePlan plan = PlanProfile(Personal("Home"), key);
    EXPECT_EQ(plan.mode, ProfilePlan::Mode::Refused) << WideToUtf8(key);
    EXPECT_EQ(plan.message, L"Enter an 8\u201363 character Wi-Fi password.");
    EXPECT_TRUE(plan.xml.empty());
  }
  EXPECT_EQ(PlanProfile(Personal("Home", kAuthWpa3Sae), bad_hex).mode, ProfilePlan::Mode::Refused);

  Network enterprise = Personal("Corp", 6);
  enterprise.personal = false;
  const ProfilePlan refused = PlanProfile(enterprise, L"password1");
  EXPECT_EQ(refused.mode, ProfilePlan::Mode::Refused);
  EXPECT_EQ(refused.message, L"Open Windows Wi-Fi settings to connect to this network.");

  enterprise.profile_name = L"Corp profile";
  const ProfilePlan saved = PlanProfile(enterprise, L"");
  EXPECT_EQ(saved.mode, ProfilePlan::Mode::Saved);
  EXPECT_EQ(saved.profile_name, L"Corp [436F7270]");
  EXPECT_TRUE(saved.xml.empty());
}

TEST(WifiProfileTest, SecretWipeZeroesTheCharacters) {
  Secret secret(L"hunter22");
  const wchar_t* characters = secret.View().data();
  secret.Wipe();
  EXPECT_TRUE(secret.View().empty());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(characters[i], L'\0');
}

}  // namespace
}  // namespace notch::wifi
