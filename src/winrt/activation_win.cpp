#include "winrt/activation_win.h"

#include <roapi.h>

#include "winrt/hstring_win.h"

namespace notch::winrt {

MultithreadedApartment::MultithreadedApartment() : status_(RoInitialize(RO_INIT_MULTITHREADED)) {}

MultithreadedApartment::~MultithreadedApartment() {
  // Every successful RoInitialize, S_FALSE included, needs its RoUninitialize.
  if (SUCCEEDED(status_)) RoUninitialize();
}

HRESULT GetActivationFactory(std::wstring_view class_name, REFIID iid, void** factory) {
  if (factory == nullptr) return E_POINTER;
  *factory = nullptr;
  if (class_name.empty()) return E_INVALIDARG;
  HString name;
  const HRESULT result = name.Set(class_name);
  if (FAILED(result)) return result;
  return RoGetActivationFactory(name.Get(), iid, factory);
}

}  // namespace notch::winrt
