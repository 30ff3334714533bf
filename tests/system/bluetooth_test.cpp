#include "system/bluetooth.h"

#include <gtest/gtest.h>

#include "common/debug_log.h"
#include "fake_radios.h"

namespace notch::bluetooth {
namespace {

using testing::Dev;
using testing::FakeDevices;
using testing::FakeRadios;

std::vector<std::wstring> Names(const std::vector<Device>& devices) {
  std::vector<std::wstring> names;
  for (const Device& d : devices) names.push_back(d.name);
  return names;
}

TEST(BluetoothTest, QueryAsksForBothProtocolsAndTheTwoProperties) {
  FakeDevices source;
  ListBluetoothDevices(source);
  EXPECT_EQ(source.selector,
            L"System.Devices.Aep.ProtocolId:=\"{e0cbf06c-cd8b-4647-bb8a-263b43f0f974}\" OR "
            L"System.Devices.Aep.ProtocolId:=\"{bb7bb05e-5972-42b5-94fc-76eaa7084d49}\"");
  EXPECT_EQ(source.properties,
            (std::vector<std::wstring>{L"System.Devices.Aep.IsConnected", L"System.Devices.Aep.IsPresent"}));
  EXPECT_EQ(source.waited_ms, 10000u);
  EXPECT_FALSE(source.cancelled);
}

TEST(BluetoothTest, AQueryThatDoesNotFinishIsCancelledAndGivesNothing) {
  FakeDevices source;
  source.devices = {Dev(L"Speaker", true)};
  source.finishes = false;
  EXPECT_TRUE(ListBluetoothDevices(source).empty());
  EXPECT_TRUE(source.cancelled);
}

TEST(BluetoothTest, ASearchTheSystemCannotRunFindsNothing) {
  FakeDevices source;
  source.devices = {Dev(L"Speaker", true)};
  source.search_fails = true;
  std::vector<std::wstring> lines;
  static std::vector<std::wstring>* seen = nullptr;
  seen = &lines;
  const DebugLogSink previous = SetDebugLogSink([](std::wstring_view line) { seen->emplace_back(line); });
  EXPECT_TRUE(ListBluetoothDevices(source).empty());
  SetDebugLogSink(previous);
  EXPECT_EQ(lines, std::vector<std::wstring>{L"bluetooth: Not implemented."});
}

TEST(BluetoothTest, KeepsNamedPairedOrPresentPairableDevicesPairedFirstByName) {
  FakeDevices source;
  source.devices = {
      Dev(L"zeta", false),                   // present unknown counts as present
      Dev(L"", true),                        // nameless: dropped
      Dev(L"Keyboard", true, false, false),  // paired, absent: kept
      Dev(L"Gone", false, true, false),      // absent and unpaired: dropped
      Dev(L"Locked", false, false, true),    // cannot pair: dropped
      Dev(L"Mouse", false, true, true),
      Dev(L"Head", true),
      Dev(L"Headset", true),
      Dev(L"Mouse", false, true, true, true),  // same name: keeps its place after the first
  };
  source.devices[5].connected = false;
  const std::vector<Device> kept = ListBluetoothDevices(source);
  EXPECT_EQ(Names(kept), (std::vector<std::wstring>{L"Head", L"Headset", L"Keyboard", L"Mouse", L"Mouse", L"zeta"}));
  EXPECT_EQ(kept[3].connected, std::optional<bool>(false));
  EXPECT_EQ(kept[4].connected, std::optional<bool>(true));
}

TEST(BluetoothTest, NamesCompareByUtf16CodeUnits) {
  // Upper case before lower case, a prefix first, and a character beyond
  // the basic plane (a surrogate pair, 0xD83D...) before U+FF21 as in UTF-16.
  EXPECT_TRUE(NameBefore(L"B", L"a"));
  EXPECT_TRUE(NameBefore(L"Pod", L"Pods"));
  EXPECT_FALSE(NameBefore(L"Pods", L"Pod"));
  EXPECT_FALSE(NameBefore(L"x", L"x"));
  const std::wstring astral = sizeof(wchar_t) == 2 ? std::wstring(L"\xD83D\xDE00") : std::wstring(1, wchar_t(0x1F600));
  EXPECT_TRUE(NameBefore(astral, L"\xFF21"));
  EXPECT_FALSE(NameBefore(L"\xFF21", astral));
}

TEST(BluetoothTest, RefreshSkipsTheQueryWhenTheRadioIsOffOrTheTaskCancelled) {
  FakeRadios radios;
  radios.radios = {{radios::RadioKind::Bluetooth, radios::kStateOff}};
  FakeDevices devices;
  devices.devices = {Dev(L"Speaker", true)};
  std::atomic<bool> cancelled{false};
  Refresh refresh = RefreshBluetooth(radios, devices, cancelled);
  EXPECT_EQ(refresh.radio_state, radios::kStateOff);
  EXPECT_TRUE(refresh.devices.empty());
  EXPECT_EQ(devices.queries, 0);

  radios.radios[0].state = radios::kStateOn;
  cancelled = true;
  EXPECT_TRUE(RefreshBluetooth(radios, devices, cancelled).devices.empty());
  EXPECT_EQ(devices.queries, 0);

  cancelled = false;
  refresh = RefreshBluetooth(radios, devices, cancelled);
  EXPECT_EQ(refresh.devices.size(), 1u);
}

TEST(BluetoothTest, ARadioThatCannotBeReadStillListsDevices) {
  FakeRadios radios;
  radios.fails = true;  // no radio class, as under Wine
  FakeDevices devices;
  devices.devices = {Dev(L"Speaker", true)};
  std::atomic<bool> cancelled{false};
  const Refresh refresh = RefreshBluetooth(radios, devices, cancelled);
  EXPECT_EQ(refresh.radio_state, radios::kStateUnknown);
  EXPECT_EQ(refresh.devices.size(), 1u);
}

TEST(BluetoothTest, RowsSubtitleAndStatus) {
  const Device connected = Dev(L"Buds", true, false, true, true);
  const Device paired = Dev(L"Keys", true);
  const Device open = Dev(L"Mouse", false);
  EXPECT_EQ(DeviceRow(connected).state, L"Connected");
  EXPECT_EQ(DeviceRow(connected).detail, L"Active wireless connection");
  EXPECT_EQ(DeviceRow(paired).state, L"Paired");
  EXPECT_EQ(DeviceRow(paired).detail, L"Paired device");
  EXPECT_EQ(DeviceRow(open).state, L"");
  EXPECT_EQ(DeviceRow(open).detail, L"Available to pair");

  EXPECT_EQ(Subtitle(radios::kStateOff, {paired}), L"Bluetooth is off");
  EXPECT_EQ(Subtitle(radios::kStateOn, {open}), L"Make your device discoverable to pair");
  EXPECT_EQ(Subtitle(radios::kStateOn, {paired, open}), L"1 paired device");
  EXPECT_EQ(Subtitle(radios::kStateUnknown, {paired, connected}), L"2 paired devices");

  EXPECT_EQ(Placeholder(radios::kStateOff, false), L"Bluetooth is turned off.");
  EXPECT_EQ(Placeholder(radios::kStateOn, false), L"No Bluetooth devices found.");
  EXPECT_EQ(Placeholder(radios::kStateOff, true), L"Looking for Bluetooth devices\u2026");

  EXPECT_EQ(RefreshStatus(L"Paired with Keys.", radios::kStateOff, {}), L"Paired with Keys.");
  EXPECT_EQ(RefreshStatus(L"", radios::kStateOff, {}), L"Bluetooth is off.");
  EXPECT_EQ(RefreshStatus(L"", radios::kStateOn, {}), L"No Bluetooth devices found.");
  EXPECT_EQ(RefreshStatus(L"", radios::kStateOn, {open}), L"Select a device to pair.");
}

TEST(BluetoothTest, PairButtonAndSelectionAfterARefill) {
  const Device paired = Dev(L"Keys", true);
  const Device open = Dev(L"Mouse", false);
  EXPECT_FALSE(PairButton(nullptr, true).enabled);
  EXPECT_EQ(PairButton(nullptr, true).text, L"Pair device");
  EXPECT_TRUE(PairButton(&open, true).enabled);
  EXPECT_FALSE(PairButton(&open, false).enabled);
  EXPECT_EQ(PairButton(&paired, true).text, L"Paired");
  EXPECT_FALSE(PairButton(&paired, true).enabled);

  const std::vector<Device> list = {paired, open};
  EXPECT_EQ(SelectionAfterRefill(list, L"Mouse"), std::optional<std::size_t>(1));
  EXPECT_EQ(SelectionAfterRefill(list, L"Gone"), std::nullopt);
  EXPECT_EQ(SelectionAfterRefill(list, L""), std::nullopt);
}

}  // namespace
}  // namespace notch::bluetooth
