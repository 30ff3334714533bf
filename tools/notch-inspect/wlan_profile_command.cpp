// notch-inspect wlan-profile SSID_HEX AUTH CIPHER [KEY]
#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

#include "command.h"
#include "common/text.h"
#include "system/wifi_profile.h"

namespace notch::inspect {
namespace {

constexpr char kHelp[] =
    "usage: notch-inspect wlan-profile SSID_HEX AUTH CIPHER [KEY]\n"
    "\n"
    "Prints what the Wi-Fi connect task hands to Windows for a network without a\n"
    "saved profile, as one JSON object:\n"
    "\n"
    "  {\"name\": NAME, \"profile_name\": PROFILE_NAME, \"xml\": XML}\n"
    "  {\"name\": NAME, \"profile_name\": PROFILE_NAME, \"message\": TEXT}\n"
    "\n"
    "  name          the network's name as the Wi-Fi list shows it\n"
    "  profile_name  NAME + \" [\" + the SSID in upper-case hexadecimal + \"]\"\n"
    "  xml           the temporary WLAN profile document\n"
    "  message       the status text shown instead when the task refuses\n"
    "                (a network that is neither open nor personal, or a key\n"
    "                that is not 8-63 printable ASCII characters or 64\n"
    "                hexadecimal digits)\n"
    "\n"
    "SSID_HEX is the SSID's 1-32 bytes in hexadecimal (either case). AUTH and\n"
    "CIPHER are the DOT11_AUTH_ALGORITHM and DOT11_CIPHER_ALGORITHM numbers in\n"
    "decimal: the network is open when AUTH is 1 and CIPHER is 0, and personal\n"
    "when CIPHER is 4 (CCMP) and AUTH is 7 (RSNA-PSK) or 9 (WPA3-SAE). KEY, the\n"
    "security key as typed, is given only for a secured network; without it the\n"
    "key counts as empty.\n";

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace

extern const Command kWlanProfileCommand;
const Command kWlanProfileCommand{"wlan-profile", "the temporary Wi-Fi profile for a network", kHelp, &Run};

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseSsid(const std::string& hex, wifi::Ssid& ssid) {
  if (hex.empty() || hex.size() % 2 != 0 || hex.size() > 2 * wifi::kMaxSsidLength) return false;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexValue(hex[i]);
    const int low = HexValue(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  ssid = wifi::Ssid::From(bytes);
  return true;
}

bool ParseNumber(const std::string& text, std::uint32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end;
}

int Run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() != 3 && arguments.size() != 4) {
    return UsageError(kWlanProfileCommand, err, "expected SSID_HEX AUTH CIPHER [KEY]");
  }
  wifi::Network network;
  if (!ParseSsid(arguments[0], network.ssid)) {
    return UsageError(kWlanProfileCommand, err, "SSID_HEX must be 1-32 bytes in hexadecimal");
  }
  if (!ParseNumber(arguments[1], network.auth_algorithm) || !ParseNumber(arguments[2], network.cipher_algorithm)) {
    return UsageError(kWlanProfileCommand, err, "AUTH and CIPHER must be decimal numbers");
  }
  network.open = network.auth_algorithm == wifi::kAuthOpen && network.cipher_algorithm == wifi::kCipherNone;
  network.personal = wifi::IsPersonal(network.auth_algorithm, network.cipher_algorithm);
  network.connectable = true;
  network.name = wifi::SsidDisplayName(network.ssid);
  if (network.open && arguments.size() == 4) {
    return UsageError(kWlanProfileCommand, err, "an open network takes no KEY");
  }
  wifi::Secret key(arguments.size() == 4 ? Utf8ToWide(arguments[3]) : std::wstring());
  const wifi::ProfilePlan plan = wifi::PlanProfile(network, key.View());
  key.Wipe();

  nlohmann::ordered_json json;
  json["name"] = WideToUtf8(network.name);
  json["profile_name"] = WideToUtf8(plan.profile_name);
  if (plan.mode == wifi::ProfilePlan::Mode::Temporary) {
    json["xml"] = WideToUtf8(plan.xml);
  } else {
    json["message"] = WideToUtf8(plan.message);
  }
  out << json.dump(2) << "\n";
  return 0;
}

}  // namespace
}  // namespace notch::inspect
