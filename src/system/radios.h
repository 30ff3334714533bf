#pragma once
// The radio switch shared by the Wi-Fi and Bluetooth pages: reading and
// setting a radio of one kind over a small source, and the toggle tile's
// texts and enabled state.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace notch::radios {

// Values of the system's radio kinds and states.
enum class RadioKind : std::int32_t { Other = 0, WiFi = 1, MobileBroadband = 2, Bluetooth = 3, FM = 4 };
inline constexpr std::int32_t kStateUnknown = 0;
inline constexpr std::int32_t kStateOn = 1;
inline constexpr std::int32_t kStateOff = 2;
inline constexpr std::int32_t kStateDisabled = 3;
// Values of the access status of a radio request or a state change.
inline constexpr std::int32_t kAccessUnspecified = 0;
inline constexpr std::int32_t kAccessAllowed = 1;

inline constexpr wchar_t kNoMatchingRadio[] = L"No matching radio found.";
inline constexpr wchar_t kRadioDenied[] = L"Windows denied access to the radio.";
inline constexpr wchar_t kWaitingForAccess[] = L"Waiting for Windows radio access\u2026";
inline constexpr wchar_t kRequestImpossible[] = L"Open Windows settings to change the radio.";
inline constexpr wchar_t kAccessDenied[] = L"Windows denied radio access. Open Windows settings.";

// A failed system call of a source, with the system's message.
class RadioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The radios one enumeration returned. Calls may throw RadioError.
class RadioList {
 public:
  virtual ~RadioList() = default;
  virtual std::size_t Count() const = 0;
  virtual RadioKind Kind(std::size_t index) = 0;
  virtual std::int32_t State(std::size_t index) = 0;
  // Sets the radio on or off and waits for the answer: an access status.
  virtual std::int32_t SetState(std::size_t index, bool on) = 0;
};

class RadioSource {
 public:
  virtual ~RadioSource() = default;
  // Enumerates the radios (may throw RadioError).
  virtual std::unique_ptr<RadioList> Radios() = 0;
};

// The state of the first radio of `kind`; unknown when there is none.
std::int32_t ReadRadioState(RadioSource& source, RadioKind kind);
// Switches the first radio of `kind`: empty on success, else the message.
std::wstring SetRadio(RadioSource& source, RadioKind kind, bool on);

// A pending access request the panel keeps while it waits for the answer.
class AccessRequest {
 public:
  virtual ~AccessRequest() = default;
  // The access status once the request completed (a failed or cancelled
  // request answers unspecified); nothing while it is pending.
  virtual std::optional<std::int32_t> Result() = 0;
};

// The radio toggle tile (control 113) of the Wi-Fi or Bluetooth page.
struct ToggleTile {
  std::wstring title;
  std::wstring subtitle;
  std::wstring tooltip;  // the button's window text
  bool enabled = false;
  bool crossed = false;  // the icon's crossed variant
};
ToggleTile RadioToggleTile(bool wifi_page, std::int32_t state, bool slot_idle);

inline RadioKind PageRadio(bool wifi_page) { return wifi_page ? RadioKind::WiFi : RadioKind::Bluetooth; }
// The state a toggle switches to: on when the radio reads off, else off.
inline bool ToggleTargetOn(std::int32_t state) { return state == kStateOff; }

}  // namespace notch::radios
