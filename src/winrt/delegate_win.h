#pragma once
// Event and completion handlers: a small COM object around a callback.
//
// The system calls a handler on any thread it likes, so each one is agile
// (answers IAgileObject: never marshalled) and counts its references
// atomically. A callback must only note what happened and return quickly,
// for example wake the worker that does the work.
#include <windows.h>

#include <objidl.h>
#include <wrl/client.h>

#include <atomic>
#include <new>
#include <type_traits>
#include <utility>

namespace notch::winrt {

// Interface is one of the IDelegate instances of foundation_win.h.
template <class Interface, class Callback>
class Delegate final : public Interface {
 public:
  explicit Delegate(Callback callback) : callback_(std::move(callback)) {}
  Delegate(const Delegate&) = delete;
  Delegate& operator=(const Delegate&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IAgileObject)) ||
        IsEqualIID(iid, Interface::Iid())) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }

  ULONG STDMETHODCALLTYPE AddRef() override { return references_.fetch_add(1, std::memory_order_relaxed) + 1; }

  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = references_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }

  // No exception may cross the ABI.
  HRESULT STDMETHODCALLTYPE Invoke(typename Interface::FirstArgument first,
                                   typename Interface::SecondArgument second) override {
    try {
      callback_(first, second);
      return S_OK;
    } catch (...) {
      return E_FAIL;
    }
  }

 private:
  ~Delegate() = default;

  std::atomic<ULONG> references_{1};
  Callback callback_;
};

// Takes over the one reference a new COM object starts with. (MinGW-w64 10's
// ComPtr::Attach adds a reference of its own, which would leak the object.)
template <class Interface>
Microsoft::WRL::ComPtr<Interface> AdoptReference(Interface* fresh) {
  Microsoft::WRL::ComPtr<Interface> owner;
  *owner.GetAddressOf() = fresh;
  return owner;
}

// Null only when memory is exhausted.
template <class Interface, class Callback>
Microsoft::WRL::ComPtr<Interface> MakeDelegate(Callback&& callback) {
  return AdoptReference<Interface>(new (std::nothrow)
                                       Delegate<Interface, std::decay_t<Callback>>(std::forward<Callback>(callback)));
}

}  // namespace notch::winrt
