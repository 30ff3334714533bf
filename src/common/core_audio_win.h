#pragma once
// Core Audio headers, plus what MinGW-w64's copies leave out: its
// endpointvolume.h only forward-declares IAudioMeterInformation.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#ifdef __MINGW32__
// COM interfaces are released through IUnknown, never deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// Methods in their vtable order.
struct IAudioMeterInformation : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT* channel_count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 channel_count, float* peak_values) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD* hardware_support_mask) = 0;
};
#pragma GCC diagnostic pop
__CRT_UUID_DECL(IAudioMeterInformation, 0xc02216f6, 0x8c67, 0x4b5b, 0x9d, 0x00, 0xd0, 0x08, 0xe7, 0x3e, 0x00, 0x64)
#endif
