#pragma once
// The Windows ways to the display's brightness: the WMI monitor classes on
// ROOT\WMI (laptop panels) and DDC/CI on the primary display's physical
// monitors (dxva2). Both run on a worker thread with COM initialised.
#include <windows.h>

#include <physicalmonitorenumerationapi.h>
#include <wbemidl.h>
#include <wrl/client.h>

#include <vector>

#include "system/brightness.h"

namespace notch::brightness {

class WmiBrightnessWin final : public BrightnessWmi {
 public:
  bool Connect() override;
  bool Set(std::uint8_t percent) override;
  std::optional<std::uint8_t> Read() override;

 private:
  // The first object the WQL query returns, null when none.
  Microsoft::WRL::ComPtr<IWbemClassObject> First(const wchar_t* query);

  Microsoft::WRL::ComPtr<IWbemServices> services_;
};

class DxvaMonitors final : public DdcMonitors {
 public:
  ~DxvaMonitors() override { Close(); }
  std::optional<std::uint32_t> Open() override;
  void Close() override;
  std::optional<Range> Get(std::uint32_t index) override;
  bool Set(std::uint32_t index, std::uint32_t value) override;

 private:
  std::vector<PHYSICAL_MONITOR> monitors_;
};

// The brightness task's body: WMI, then DDC/CI.
Result DisplayBrightnessWin(const Request& request);

}  // namespace notch::brightness
