#pragma once
// Wi-Fi networks as the panel lists them: the entry record, the display name
// of a raw SSID, the merge of several interfaces' answers, the list order and
// the texts for WLAN errors and list states.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace notch::wifi {

// DOT11_AUTH_ALGORITHM / DOT11_CIPHER_ALGORITHM values the decisions use.
inline constexpr std::uint32_t kAuthOpen = 1;
inline constexpr std::uint32_t kAuthRsnaPsk = 7;
inline constexpr std::uint32_t kAuthWpa3Sae = 9;
inline constexpr std::uint32_t kCipherNone = 0;
inline constexpr std::uint32_t kCipherCcmp = 4;

inline constexpr std::size_t kMaxSsidLength = 32;

// A WLAN interface GUID in its in-memory byte order.
using InterfaceId = std::array<std::uint8_t, 16>;

// A raw SSID (DOT11_SSID): up to 32 bytes, not necessarily text.
struct Ssid {
  std::uint32_t length = 0;
  std::array<std::uint8_t, kMaxSsidLength> bytes{};

  std::string_view View() const {
    return {reinterpret_cast<const char*>(bytes.data()), length <= kMaxSsidLength ? length : kMaxSsidLength};
  }
  // Builds an SSID from 1-32 bytes; longer input is cut at 32.
  static Ssid From(std::string_view raw);
  friend bool operator==(const Ssid& a, const Ssid& b) { return a.View() == b.View(); }
};

struct Network {
  InterfaceId interface_id{};
  Ssid ssid;
  std::uint32_t auth_algorithm = 0;
  std::uint32_t cipher_algorithm = 0;
  std::wstring name;          // display name decoded from the SSID
  std::wstring profile_name;  // saved WLAN profile, empty when none
  std::uint32_t signal = 0;   // 0-100
  bool connected = false;
  bool connectable = false;
  bool open = false;      // security not enabled
  bool personal = false;  // CCMP with RSNA-PSK or WPA3-SAE
};

// Whether auth/cipher make a network "personal" (a key the prompt can take).
bool IsPersonal(std::uint32_t auth_algorithm, std::uint32_t cipher_algorithm);

// The SSID as the list shows it: UTF-8 when the bytes are valid UTF-8, else
// one character per byte; control and bidirectional-formatting characters
// become U+FFFD.
std::wstring SsidDisplayName(const Ssid& ssid);

// The SSID bytes as upper-case hexadecimal, two digits per byte.
std::wstring SsidHex(const Ssid& ssid);

// The status text for a WLAN error code.
std::wstring WlanErrorText(std::uint32_t code);

// Ordinal comparison in UTF-16 code units (a prefix sorts first), whatever
// the width of wchar_t.
bool Utf16Less(std::wstring_view a, std::wstring_view b);

// Adds one interface's entry to the list, keeping one entry per (auth,
// cipher, SSID): a duplicate replaces the kept entry only when it ranks
// higher by connected, connectable, having a profile, signal.
void MergeNetwork(std::vector<Network>& list, Network entry);

// Stable order: connected first, then higher signal, then name.
void SortNetworks(std::vector<Network>& list);

// Outcome of listing the networks.
struct ListResult {
  std::vector<Network> networks;
  std::wstring status;
  bool location_denied = false;
};

// The list status after every interface was asked: `answered` is true when
// at least one interface returned its list; `error_text` is the text of the
// remembered error. Clears `location_denied` when the list is usable.
std::wstring ListStatus(bool answered, bool empty, bool& location_denied, const std::wstring& error_text);

// Texts of the listing.
inline constexpr wchar_t kServicesUnavailable[] = L"Windows Wi-Fi services are unavailable.";
inline constexpr wchar_t kNoAdapter[] = L"No Wi-Fi adapter found.";
inline constexpr wchar_t kChooseNetwork[] = L"Choose a network to connect.";
inline constexpr wchar_t kAllowLocation[] = L"Allow location access to list Wi-Fi networks.";
inline constexpr wchar_t kNoNetworks[] = L"No nearby networks found.";

}  // namespace notch::wifi
