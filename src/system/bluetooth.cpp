#include "system/bluetooth.h"

#include <algorithm>

#include "common/debug_log.h"
#include "common/text.h"

namespace notch::bluetooth {
namespace {

// The UTF-16 code units of a text, one at a time; -1 at the end.
class Utf16Units {
 public:
  explicit Utf16Units(const std::wstring& text) : text_(text) {}
  std::int32_t Next() {
    if (low_ != 0) {
      const std::int32_t low = low_;
      low_ = 0;
      return low;
    }
    if (index_ >= text_.size()) return -1;
    const auto c = static_cast<std::uint32_t>(text_[index_++]);
    if (c > 0xFFFF && c <= 0x10FFFF) {
      const std::uint32_t v = c - 0x10000;
      low_ = static_cast<std::int32_t>(0xDC00 + (v & 0x3FF));
      return static_cast<std::int32_t>(0xD800 + (v >> 10));
    }
    return static_cast<std::int32_t>(c & 0xFFFF);
  }

 private:
  const std::wstring& text_;
  std::size_t index_ = 0;
  std::int32_t low_ = 0;  // the low surrogate still to give
};

}  // namespace

bool NameBefore(const std::wstring& a, const std::wstring& b) {
  Utf16Units left(a), right(b);
  for (;;) {
    const std::int32_t l = left.Next();
    const std::int32_t r = right.Next();
    if (l != r) return l < r;  // the end (-1) sorts first
    if (l < 0) return false;
  }
}

bool KeepDevice(const Device& device) {
  if (device.name.empty()) return false;
  return device.paired || (device.present.value_or(true) && device.can_pair);
}

void SortDevices(std::vector<Device>& devices) {
  std::stable_sort(devices.begin(), devices.end(), [](const Device& a, const Device& b) {
    if (a.paired != b.paired) return a.paired;
    return NameBefore(a.name, b.name);
  });
}

std::vector<Device> ListBluetoothDevices(DeviceSource& source) {
  std::vector<Device> devices;
  try {
    std::unique_ptr<DeviceQuery> query =
        source.FindAll(kSelector, {std::wstring(kConnectedProperty), std::wstring(kPresentProperty)});
    if (!query) return {};
    if (!query->Wait(kFindAllTimeoutMs)) {
      query->Cancel();
      return {};
    }
    devices = query->Results();
  } catch (const radios::RadioError& error) {
    // A search the system cannot run finds nothing, like one that never ends.
    DebugLog(L"bluetooth: %ls", Utf8ToWide(error.what()).c_str());
    return {};
  }
  std::erase_if(devices, [](const Device& device) { return !KeepDevice(device); });
  SortDevices(devices);
  return devices;
}

Refresh RefreshBluetooth(radios::RadioSource& radios, DeviceSource& devices, const std::atomic<bool>& cancelled) {
  Refresh refresh;
  try {
    refresh.radio_state = radios::ReadRadioState(radios, radios::RadioKind::Bluetooth);
  } catch (...) {
    refresh.radio_state = radios::kStateUnknown;
  }
  if (!cancelled.load() && refresh.radio_state != radios::kStateOff) refresh.devices = ListBluetoothDevices(devices);
  return refresh;
}

Row DeviceRow(const Device& device) {
  Row row;
  row.name = device.name;
  if (device.connected.value_or(false)) {
    row.state = L"Connected";
    row.detail = L"Active wireless connection";
  } else if (device.paired) {
    row.state = L"Paired";
    row.detail = L"Paired device";
  } else {
    row.detail = L"Available to pair";
  }
  return row;
}

std::wstring Subtitle(std::int32_t radio_state, const std::vector<Device>& devices) {
  if (radio_state == radios::kStateOff) return L"Bluetooth is off";
  const auto paired = std::count_if(devices.begin(), devices.end(), [](const Device& d) { return d.paired; });
  if (paired == 0) return L"Make your device discoverable to pair";
  return std::to_wstring(paired) + L" paired device" + (paired == 1 ? L"" : L"s");
}

std::wstring Placeholder(std::int32_t radio_state, bool refreshing) {
  if (refreshing) return L"Looking for Bluetooth devices\u2026";
  return radio_state == radios::kStateOff ? L"Bluetooth is turned off." : L"No Bluetooth devices found.";
}

std::wstring RefreshStatus(const std::wstring& message, std::int32_t radio_state, const std::vector<Device>& devices) {
  if (!message.empty()) return message;
  if (radio_state == radios::kStateOff) return L"Bluetooth is off.";
  if (devices.empty()) return L"No Bluetooth devices found.";
  return L"Select a device to pair.";
}

ActionButton PairButton(const Device* selected, bool slot_idle) {
  if (selected != nullptr && selected->paired) return {L"Paired", false};
  return {L"Pair device", selected != nullptr && slot_idle};
}

std::optional<std::size_t> SelectionAfterRefill(const std::vector<Device>& devices, const std::wstring& previous) {
  if (previous.empty()) return std::nullopt;
  for (std::size_t i = 0; i < devices.size(); ++i) {
    if (devices[i].name == previous) return i;
  }
  return std::nullopt;
}

}  // namespace notch::bluetooth
