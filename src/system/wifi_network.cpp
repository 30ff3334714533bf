#include "system/wifi_network.h"

#include <algorithm>
#include <tuple>

#include "common/text.h"

namespace notch::wifi {
namespace {

bool ShownAsReplacement(wchar_t unit) {
  const auto c = static_cast<std::uint32_t>(unit);
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool SameNetwork(const Network& a, const Network& b) {
  return a.auth_algorithm == b.auth_algorithm && a.cipher_algorithm == b.cipher_algorithm && a.ssid == b.ssid;
}

auto Rank(const Network& network) {
  return std::make_tuple(network.connected, network.connectable, !network.profile_name.empty(), network.signal);
}

// Appends the UTF-16 code units of `text` one by one to `units`.
std::u16string Utf16Units(std::wstring_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c >= 0x10000) {
      units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(c));
    }
  }
  return units;
}

}  // namespace

Ssid Ssid::From(std::string_view raw) {
  Ssid ssid;
  ssid.length = static_cast<std::uint32_t>(std::min(raw.size(), kMaxSsidLength));
  std::copy_n(raw.begin(), ssid.length, ssid.bytes.begin());
  return ssid;
}

bool IsPersonal(std::uint32_t auth_algorithm, std::uint32_t cipher_algorithm) {
  return cipher_algorithm == kCipherCcmp && (auth_algorithm == kAuthRsnaPsk || auth_algorithm == kAuthWpa3Sae);
}

std::wstring SsidDisplayName(const Ssid& ssid) {
  const std::string_view bytes = ssid.View();
  std::wstring name;
  if (IsValidUtf8(bytes)) {
    name = Utf8ToWide(bytes);
  } else {
    name.reserve(bytes.size());
    for (const char byte : bytes) name.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  }
  for (wchar_t& unit : name) {
    if (ShownAsReplacement(unit)) unit = static_cast<wchar_t>(kReplacementCharacter);
  }
  return name;
}

std::wstring SsidHex(const Ssid& ssid) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring hex;
  hex.reserve(ssid.View().size() * 2);
  for (const char byte : ssid.View()) {
    const auto value = static_cast<unsigned char>(byte);
    hex.push_back(kDigits[value >> 4]);
    hex.push_back(kDigits[value & 0x0F]);
  }
  return hex;
}

std::wstring WlanErrorText(std::uint32_t code) {
  switch (code) {
    case 5:
      return L"Windows denied Wi-Fi access. Open Wi-Fi settings.";
    case 1062:
      return L"The Windows Wi-Fi service is unavailable.";
    case 0x80342002u:
      return L"Wi-Fi is off.";
    default:
      return L"Wi-Fi is unavailable right now.";
  }
}

bool Utf16Less(std::wstring_view a, std::wstring_view b) { return Utf16Units(a) < Utf16Units(b); }

void MergeNetwork(std::vector<Network>& list, Network entry) {
  for (Network& kept : list) {
    if (!SameNetwork(kept, entry)) continue;
    if (Rank(entry) > Rank(kept)) kept = std::move(entry);
    return;
  }
  list.push_back(std::move(entry));
}

void SortNetworks(std::vector<Network>& list) {
  std::stable_sort(list.begin(), list.end(), [](const Network& a, const Network& b) {
    if (a.connected != b.connected) return a.connected;
    if (a.signal != b.signal) return a.signal > b.signal;
    return Utf16Less(a.name, b.name);
  });
}

std::wstring ListStatus(bool answered, bool empty, bool& location_denied, const std::wstring& error_text) {
  if (answered && !empty) {
    location_denied = false;
    return kChooseNetwork;
  }
  if (location_denied) return kAllowLocation;
  if (answered) return kNoNetworks;
  return error_text;
}

}  // namespace notch::wifi
