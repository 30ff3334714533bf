#pragma once
// The Bluetooth page's decisions on plain data: the device query and its
// keep rule and order, the refresh task, the list's rows, subtitle,
// placeholders and action button.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/radios.h"

namespace notch::bluetooth {

inline constexpr wchar_t kConnectedProperty[] = L"System.Devices.Aep.IsConnected";
inline constexpr wchar_t kPresentProperty[] = L"System.Devices.Aep.IsPresent";
// Association endpoints of the Bluetooth and Bluetooth LE protocols.
inline constexpr wchar_t kSelector[] =
    L"System.Devices.Aep.ProtocolId:=\"{e0cbf06c-cd8b-4647-bb8a-263b43f0f974}\" OR "
    L"System.Devices.Aep.ProtocolId:=\"{bb7bb05e-5972-42b5-94fc-76eaa7084d49}\"";
inline constexpr std::uint32_t kFindAllTimeoutMs = 10000;

// One association endpoint as the query gave it.
struct Device {
  std::wstring name;
  bool paired = false;
  bool can_pair = false;
  std::optional<bool> present;    // the IsPresent property, when given
  std::optional<bool> connected;  // the IsConnected property, when given
  // The system's object for pairing; the list keeps it alive.
  std::shared_ptr<void> native;
};

// One running FindAllAsync.
class DeviceQuery {
 public:
  virtual ~DeviceQuery() = default;
  // Waits at most `ms` for the query to finish; true when it did.
  virtual bool Wait(std::uint32_t ms) = 0;
  virtual void Cancel() = 0;
  // The devices of a finished query (may throw radios::RadioError).
  virtual std::vector<Device> Results() = 0;
};

class DeviceSource {
 public:
  virtual ~DeviceSource() = default;
  // Starts a search for association endpoints (may throw radios::RadioError).
  virtual std::unique_ptr<DeviceQuery> FindAll(const std::wstring& selector,
                                               const std::vector<std::wstring>& properties) = 0;
};

// Named, and paired or present and pairable (a missing IsPresent counts as present).
bool KeepDevice(const Device& device);
// Paired first, then by name (ordinal UTF-16 order); stable.
void SortDevices(std::vector<Device>& devices);
// Ordinal comparison of UTF-16 code units, whatever the width of wchar_t.
bool NameBefore(const std::wstring& a, const std::wstring& b);

// The kept devices in display order; empty when the query did not finish in
// 10 s or the system could not run it (logged).
std::vector<Device> ListBluetoothDevices(DeviceSource& source);

// The refresh task's answer.
struct Refresh {
  std::int32_t radio_state = radios::kStateUnknown;
  std::vector<Device> devices;
};
Refresh RefreshBluetooth(radios::RadioSource& radios, DeviceSource& devices, const std::atomic<bool>& cancelled);

// The list on the page.
struct Row {
  std::wstring name;
  std::wstring state;   // "Connected", "Paired" or empty
  std::wstring detail;  // the second line
};
Row DeviceRow(const Device& device);
std::wstring Subtitle(std::int32_t radio_state, const std::vector<Device>& devices);
// The empty list's placeholder; `refreshing` while a refresh runs.
std::wstring Placeholder(std::int32_t radio_state, bool refreshing);
// The status line after a refresh; `message` is the refresh's own.
std::wstring RefreshStatus(const std::wstring& message, std::int32_t radio_state, const std::vector<Device>& devices);

struct ActionButton {
  std::wstring text;
  bool enabled = false;
};
ActionButton PairButton(const Device* selected, bool slot_idle);

// The row to select after a refill: the one with the previous selection's name.
std::optional<std::size_t> SelectionAfterRefill(const std::vector<Device>& devices, const std::wstring& previous);

}  // namespace notch::bluetooth
