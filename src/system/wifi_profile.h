#pragma once
// What the connect task hands to Windows for one network: the profile name,
// the saved profile to use, or a temporary profile document holding the key,
// and the entered key itself, which is wiped once the document is built.
#include <string>
#include <string_view>

#include "system/wifi_network.h"

namespace notch::wifi {

// The key typed into the prompt. Shared between the prompt and the connect
// task; Wipe() overwrites its characters with zeros, and so does destruction.
class Secret {
 public:
  Secret() = default;
  explicit Secret(std::wstring value) : value_(std::move(value)) {}
  ~Secret() { Wipe(); }
  Secret(const Secret&) = delete;
  Secret& operator=(const Secret&) = delete;

  std::wstring_view View() const { return value_; }
  void Wipe();

 private:
  std::wstring value_;
};

// Overwrites every character of `text` with zeros (kept from being optimised
// away) and empties it.
void WipeText(std::wstring& text);

// name + " [" + SSID in upper-case hex + "]".
std::wstring ProfileName(const Network& network);

// Appends `text` to `out` with "&", "<" and ">" escaped.
void AppendXmlEscaped(std::wstring& out, std::wstring_view text);

struct ProfilePlan {
  enum class Mode { Saved, Temporary, Refused };
  Mode mode = Mode::Refused;
  std::wstring profile_name;  // ProfileName(network)
  std::wstring xml;           // Temporary: the profile document
  std::wstring message;       // Refused: the status text
};

inline constexpr wchar_t kOpenSettingsToConnect[] = L"Open Windows Wi-Fi settings to connect to this network.";
inline constexpr wchar_t kBadKey[] = L"Enter an 8\u201363 character Wi-Fi password.";

// Decides how to connect: with the saved profile when the network has one,
// else with a temporary profile for open and personal networks (the key is
// checked here), else refused. The document is built in one buffer reserved
// up front, so the key is never left behind in a reallocated copy.
ProfilePlan PlanProfile(const Network& network, std::wstring_view key);

}  // namespace notch::wifi
