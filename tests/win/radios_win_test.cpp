// The radio, Bluetooth and hotspot back ends against the system's Windows
// Runtime. Wine registers DeviceInformation only, and its search with a kind
// is not implemented: the list must come back empty, and the radios and
// tethering must fail with their messages.
#include "system/radios_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "multithreaded_worker.h"
#include "system/hotspot_win.h"
#include "win_test_support.h"
#include "winrt/hstring_win.h"
#include "winrt/string_iterable_win.h"

namespace notch {
namespace {

TEST(RadiosWinTest, TheBluetoothSearchFinishesWithTheRealSelector) {
  testing::OnMultithreadedWorker([] {
    std::vector<bluetooth::Device> devices;
    EXPECT_NO_THROW(devices = bluetooth::ListBluetoothDevices(bluetooth::WindowsDevices()));
    if (testing::RunningUnderWine()) {
      EXPECT_TRUE(devices.empty());
    }
    for (const bluetooth::Device& device : devices) {
      EXPECT_FALSE(device.name.empty());
      EXPECT_NE(device.native, nullptr);
    }
  });
}

TEST(RadiosWinTest, WithoutRadiosTheRefreshReadsUnknownAndTheSwitchFails) {
  if (!testing::RunningUnderWine()) GTEST_SKIP() << "a real system has radios";
  testing::OnMultithreadedWorker([] {
    EXPECT_THROW(radios::WindowsRadios().Radios(), radios::RadioError);
    const std::atomic<bool> cancelled{false};
    const bluetooth::Refresh refresh =
        bluetooth::RefreshBluetooth(radios::WindowsRadios(), bluetooth::WindowsDevices(), cancelled);
    EXPECT_EQ(refresh.radio_state, radios::kStateUnknown);
    EXPECT_TRUE(refresh.devices.empty());
  });
  // The request is made on the window thread; without the class it cannot be.
  EXPECT_EQ(radios::RequestRadioAccessWin(), nullptr);
}

TEST(RadiosWinTest, WithoutTetheringTheHotspotIsUnavailable) {
  if (!testing::RunningUnderWine()) GTEST_SKIP() << "a real system may share its connection";
  testing::OnMultithreadedWorker([] {
    const hotspot::Snapshot snapshot = hotspot::ReadHotspot(hotspot::WindowsTethering());
    EXPECT_EQ(snapshot.state, hotspot::kUnavailable);
    EXPECT_EQ(snapshot.reason, L"Mobile Hotspot is unavailable right now.");
    EXPECT_EQ(hotspot::SetHotspot(hotspot::WindowsTethering(), true), L"Mobile Hotspot is unavailable right now.");
  });
}

TEST(RadiosWinTest, StringIterableWalksItsStringsOnce) {
  auto iterable = winrt::MakeStringIterable({L"System.Devices.Aep.IsConnected", L"System.Devices.Aep.IsPresent"});
  ASSERT_TRUE(iterable);
  Microsoft::WRL::ComPtr<winrt::IIterator<winrt::StringType>> iterator;
  ASSERT_EQ(iterable->First(iterator.GetAddressOf()), S_OK);
  std::vector<std::wstring> seen;
  boolean has = false;
  ASSERT_EQ(iterator->get_HasCurrent(&has), S_OK);
  while (has) {
    winrt::HString value;
    ASSERT_EQ(iterator->get_Current(value.Put()), S_OK);
    seen.push_back(value.ToWide());
    ASSERT_EQ(iterator->MoveNext(&has), S_OK);
  }
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"System.Devices.Aep.IsConnected", L"System.Devices.Aep.IsPresent"}));
  winrt::HString past;
  EXPECT_EQ(iterator->get_Current(past.Put()), static_cast<HRESULT>(0x8000000B));  // E_BOUNDS
  Microsoft::WRL::ComPtr<IInspectable> inspectable;
  EXPECT_EQ(iterable.As(&inspectable), S_OK);
}

}  // namespace
}  // namespace notch
