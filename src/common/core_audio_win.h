#pragma once
// Core Audio headers, plus what MinGW-w64's copies leave out: its
// endpointvolume.h only forward-declares IAudioMeterInformation, and the
// device's friendly-name key is only an external symbol there.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propidl.h>

#ifdef __MINGW32__
// Methods in their vtable order.
struct IAudioMeterInformation : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT* channel_count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 channel_count, float* peak_values) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD* hardware_support_mask) = 0;
};
__CRT_UUID_DECL(IAudioMeterInformation, 0xc02216f6, 0x8c67, 0x4b5b, 0x9d, 0x00, 0xd0, 0x08, 0xe7, 0x3e, 0x00, 0x64)
#endif

namespace notch {

// PKEY_Device_FriendlyName ({a45c254e-df1c-4efd-8020-67d146a850e0}, 14), as a
// constant of our own: MinGW-w64 declares it only as an external symbol.
inline constexpr PROPERTYKEY kDeviceFriendlyNameKey = {
    {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};

}  // namespace notch
