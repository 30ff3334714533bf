#pragma once
// Mobile Hotspot: opening the tethering manager over the connection
// profiles, the snapshot the panel keeps, switching it and the reason
// messages, and the tile's texts and enabled state.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace notch::hotspot {

inline constexpr std::int32_t kUnknown = 0;
inline constexpr std::int32_t kOn = 1;
inline constexpr std::int32_t kOff = 2;
inline constexpr std::int32_t kSwitching = 3;
inline constexpr std::int32_t kUnavailable = 4;

struct Snapshot {
  std::int32_t state = kUnknown;
  std::int32_t clients = 0;
  std::int32_t max_clients = 0;
  std::wstring ssid;
  std::wstring reason;  // why the manager is unavailable (state 4)
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline constexpr wchar_t kSettingsUri[] = L"ms-settings:network-mobilehotspot";
inline constexpr wchar_t kUnavailableNow[] = L"Mobile Hotspot is unavailable right now.";
inline constexpr wchar_t kNoConnection[] = L"Connect to Wi-Fi or Ethernet first to use Mobile Hotspot.";
inline constexpr wchar_t kHardware[] = L"Wi-Fi hardware does not support Mobile Hotspot.";
inline constexpr wchar_t kPolicy[] = L"Mobile Hotspot is disabled by Windows policy.";
inline constexpr wchar_t kNotOnConnection[] = L"Mobile Hotspot is unavailable on the active connection.";
inline constexpr wchar_t kCouldNotOpen[] = L"Could not open Windows Mobile Hotspot.";

// Operational states of the tethering manager.
inline constexpr std::int32_t kOperationalUnknown = 0;
inline constexpr std::int32_t kOperationalOn = 1;
inline constexpr std::int32_t kOperationalOff = 2;
inline constexpr std::int32_t kOperationalInTransition = 3;

// A failed system call of a source.
class TetheringError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An opened tethering manager. Calls may throw TetheringError.
class TetheringManager {
 public:
  virtual ~TetheringManager() = default;
  virtual std::int32_t OperationalState() = 0;
  virtual std::int32_t ClientCount() = 0;
  virtual std::int32_t MaxClientCount() = 0;
  virtual std::wstring Ssid() = 0;
  // Starts or stops tethering and waits: the operation result's status.
  virtual std::int32_t Switch(bool on) = 0;
};

using Profile = std::shared_ptr<void>;
struct ListedProfile {
  Profile profile;                // may be null
  std::int32_t connectivity = 0;  // 0 none
};

// The connection profiles and the tethering statics. Calls may throw TetheringError.
class TetheringSource {
 public:
  virtual ~TetheringSource() = default;
  virtual Profile InternetProfile() = 0;  // null when there is none
  virtual std::vector<ListedProfile> ConnectionProfiles() = 0;
  virtual std::int32_t Capability(const Profile& profile) = 0;
  virtual std::unique_ptr<TetheringManager> CreateManager(const Profile& profile) = 0;
};

// The manager for the internet (or best other) profile; null with `reason` set.
std::unique_ptr<TetheringManager> OpenTetheringManager(TetheringSource& source, std::wstring& reason);
Snapshot ReadHotspot(TetheringSource& source);
// Empty on success, else the message.
std::wstring SetHotspot(TetheringSource& source, bool on);
std::wstring SwitchMessage(std::int32_t status, bool on);

// The tile (control 138).
struct Tile {
  std::wstring tooltip;  // the button's window text
  std::wstring title;    // the large tile of the Wi-Fi page
  std::wstring subtitle;
  bool enabled = false;
};
Tile HotspotTile(const Snapshot& snapshot, bool slot_busy, bool radio_request_pending);

// What a press of the tile does.
struct TogglePlan {
  bool open_settings = false;  // state 4: open the settings page instead
  std::wstring status;
  std::uint64_t hold_ms = 0;
  bool switch_on = false;  // otherwise: the target of the switch
};
TogglePlan PlanToggle(const Snapshot& snapshot);

// The status after a switch: the text and how long it is held.
struct SwitchReport {
  std::wstring status;
  std::uint64_t hold_ms = 0;
};
SwitchReport ReportSwitch(const std::wstring& message, const Snapshot& after);

}  // namespace notch::hotspot
