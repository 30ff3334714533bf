// Raw SSID bytes as the Wi-Fi list and the connect task read them: any 0-32
// bytes give a display name without control or bidirectional-formatting
// characters, and a personal network's temporary profile with any key is
// either refused or a well-formed document that holds the key.
#include <cstdint>
#include <cstdlib>
#include <rapidxml/rapidxml.hpp>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "system/wifi_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace notch;
  using namespace notch::wifi;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t ssid_size = bytes.size() < kMaxSsidLength ? bytes.size() : kMaxSsidLength;
  Network network;
  network.ssid = Ssid::From(bytes.substr(0, ssid_size));
  network.name = SsidDisplayName(network.ssid);
  for (const wchar_t unit : network.name) {
    const auto c = static_cast<std::uint32_t>(unit);
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)) {
      std::abort();
    }
  }
  if (!IsValidWide(network.name) || Utf16Length(network.name) > kMaxSsidLength) std::abort();

  network.auth_algorithm = kAuthRsnaPsk;
  network.cipher_algorithm = kCipherCcmp;
  network.personal = true;
  const std::wstring key = Utf8ToWide(bytes.substr(ssid_size));
  const ProfilePlan plan = PlanProfile(network, key);
  if (plan.mode == ProfilePlan::Mode::Refused) return 0;
  if (plan.mode != ProfilePlan::Mode::Temporary || plan.xml.size() > 1400) std::abort();
  std::string text = WideToUtf8(plan.xml);
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  rapidxml::xml_document<> document;
  try {
    document.parse<rapidxml::parse_validate_closing_tags>(buffer.data());
  } catch (const rapidxml::parse_error&) {
    std::abort();
  }
  return 0;
}
