#pragma once
// Reaching Windows Runtime classes from a worker thread.
#include <windows.h>

#include <wrl/client.h>

#include <string_view>

namespace notch::winrt {

// Joins the calling thread to the multithreaded apartment for the object's
// life, so that it may call and await Windows Runtime objects.
class MultithreadedApartment {
 public:
  MultithreadedApartment();
  ~MultithreadedApartment();
  MultithreadedApartment(const MultithreadedApartment&) = delete;
  MultithreadedApartment& operator=(const MultithreadedApartment&) = delete;

  // S_OK or S_FALSE (already in it) when joined; RPC_E_CHANGED_MODE when the
  // thread already lives in a single-threaded apartment.
  HRESULT status() const { return status_; }

 private:
  HRESULT status_;
};

// The activation factory of a runtime class, asked for the interface `iid`
// (usually its statics). A class the system does not have gives
// REGDB_E_CLASSNOTREG, an empty name E_INVALIDARG; the out-pointer is then
// null.
HRESULT GetActivationFactory(std::wstring_view class_name, REFIID iid, void** factory);

template <class Interface>
HRESULT GetActivationFactory(std::wstring_view class_name, Microsoft::WRL::ComPtr<Interface>& factory) {
  return GetActivationFactory(class_name, Interface::Iid(), reinterpret_cast<void**>(factory.ReleaseAndGetAddressOf()));
}

}  // namespace notch::winrt
