#include "system/wifi_profile.h"

#include <algorithm>

namespace notch::wifi {
namespace {

constexpr std::size_t kProfileReserve = 1400;

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

bool IsNetworkKey(std::wstring_view key) { return key.size() == 64 && std::all_of(key.begin(), key.end(), IsHexDigit); }

bool IsPassPhrase(std::wstring_view key) {
  return key.size() >= 8 && key.size() <= 63 &&
         std::all_of(key.begin(), key.end(), [](wchar_t c) { return c >= 0x20 && c <= 0x7E; });
}

}  // namespace

void WipeText(std::wstring& text) {
  volatile wchar_t* characters = text.data();
  for (std::size_t i = 0; i < text.size(); ++i) characters[i] = 0;
  text.clear();
}

void Secret::Wipe() { WipeText(value_); }

std::wstring ProfileName(const Network& network) { return network.name + L" [" + SsidHex(network.ssid) + L"]"; }

void AppendXmlEscaped(std::wstring& out, std::wstring_view text) {
  for (const wchar_t c : text) {
    switch (c) {
      case L'&':
        out += L"&amp;";
        break;
      case L'<':
        out += L"&lt;";
        break;
      case L'>':
        out += L"&gt;";
        break;
      default:
        out.push_back(c);
    }
  }
}

ProfilePlan PlanProfile(const Network& network, std::wstring_view key) {
  ProfilePlan plan;
  plan.profile_name = ProfileName(network);
  if (!network.profile_name.empty()) {
    plan.mode = ProfilePlan::Mode::Saved;
    return plan;
  }
  if (!network.open && !network.personal) {
    plan.message = kOpenSettingsToConnect;
    return plan;
  }
  const bool sae = network.auth_algorithm == kAuthWpa3Sae;
  const wchar_t* key_type = nullptr;
  if (!network.open) {
    if (!sae && IsNetworkKey(key)) {
      key_type = L"networkKey";
    } else if (IsPassPhrase(key) || (sae && IsNetworkKey(key))) {
      // SAE has no raw pre-shared key: 64 hexadecimal digits are a password.
      key_type = L"passPhrase";
    } else {
      plan.message = kBadKey;
      return plan;
    }
  }
  std::wstring& xml = plan.xml;
  xml.reserve(kProfileReserve);
  xml += L"<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\"><name>";
  AppendXmlEscaped(xml, plan.profile_name);
  xml += L"</name><SSIDConfig><SSID><hex>";
  xml += SsidHex(network.ssid);
  xml +=
      L"</hex></SSID></SSIDConfig><connectionType>ESS</connectionType><connectionMode>manual</connectionMode>"
      L"<MSM><security><authEncryption><authentication>";
  xml += network.open ? L"open" : (sae ? L"WPA3SAE" : L"WPA2PSK");
  xml += L"</authentication><encryption>";
  xml += network.open ? L"none" : L"AES";
  xml += L"</encryption><useOneX>false</useOneX></authEncryption>";
  if (key_type != nullptr) {
    xml += L"<sharedKey><keyType>";
    xml += key_type;
    xml += L"</keyType><protected>false</protected><keyMaterial>";
    AppendXmlEscaped(xml, key);
    xml += L"</keyMaterial></sharedKey>";
  }
  xml += L"</security></MSM></WLANProfile>";
  plan.mode = ProfilePlan::Mode::Temporary;
  return plan;
}

}  // namespace notch::wifi
