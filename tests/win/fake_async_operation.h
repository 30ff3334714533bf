#pragma once
// An IAsyncOperation<bool> the test finishes when it likes, from any thread,
// as a system operation would: a handler registered after the end is called
// at once, and the handler is released once called.
#include <windows.h>

#include <asyncinfo.h>
#include <wrl/client.h>

#include <atomic>
#include <mutex>

#include "winrt/delegate_win.h"
#include "winrt/foundation_win.h"

namespace notch::testing {

// The Windows Runtime's answers to a second handler and to early results
// (E_ILLEGAL_DELEGATE_ASSIGNMENT, E_ILLEGAL_METHOD_CALL; not in the MinGW-w64 headers).
inline constexpr HRESULT kIllegalDelegateAssignment = static_cast<HRESULT>(0x80000018);
inline constexpr HRESULT kIllegalMethodCall = static_cast<HRESULT>(0x8000000E);

class FakeBoolOperation final : public winrt::IAsyncOperation<bool>, public IAsyncInfo {
 public:
  using Handler = winrt::IAsyncOperationCompletedHandler<bool>;

  static Microsoft::WRL::ComPtr<FakeBoolOperation> Create() { return winrt::AdoptReference(new FakeBoolOperation()); }

  // Ends the operation; the handler, if any, runs on the calling thread.
  void Finish(AsyncStatus status, bool result = false, HRESULT error = S_OK) {
    Microsoft::WRL::ComPtr<Handler> handler;
    {
      std::lock_guard lock(mutex_);
      status_ = status;
      result_ = result;
      error_ = error;
      handler.Swap(handler_);
    }
    if (handler) handler->Invoke(this, status);
  }

  // Without IAsyncInfo the object is no proper operation.
  void HideAsyncInfo() { hide_async_info_ = true; }

  bool handler_registered() const { return handler_registered_; }
  int cancel_calls() const { return cancel_calls_; }
  int get_results_calls() const { return get_results_calls_; }
  ULONG references() const { return references_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IInspectable)) ||
        IsEqualIID(iid, IAsyncOperation<bool>::Iid())) {
      *object = static_cast<IAsyncOperation<bool>*>(this);
    } else if (IsEqualIID(iid, __uuidof(IAsyncInfo)) && !hide_async_info_) {
      *object = static_cast<IAsyncInfo*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IInspectable
  HRESULT STDMETHODCALLTYPE GetIids(ULONG*, IID**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel*) override { return E_NOTIMPL; }

  // IAsyncOperation<bool>
  HRESULT STDMETHODCALLTYPE put_Completed(Handler* handler) override {
    if (handler == nullptr) return E_POINTER;
    AsyncStatus status;
    {
      std::lock_guard lock(mutex_);
      if (handler_registered_) return kIllegalDelegateAssignment;
      handler_registered_ = true;
      status = status_;
      if (status == Started) handler_ = handler;
    }
    if (status != Started) handler->Invoke(this, status);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Completed(Handler**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetResults(boolean* results) override {
    ++get_results_calls_;
    std::lock_guard lock(mutex_);
    if (status_ != Completed) return kIllegalMethodCall;
    *results = result_ ? 1 : 0;
    return S_OK;
  }

  // IAsyncInfo
  HRESULT STDMETHODCALLTYPE get_Id(UINT32* id) override {
    *id = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Status(AsyncStatus* status) override {
    std::lock_guard lock(mutex_);
    *status = status_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ErrorCode(HRESULT* error) override {
    std::lock_guard lock(mutex_);
    *error = error_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Cancel() override {
    ++cancel_calls_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Close() override { return S_OK; }

 private:
  FakeBoolOperation() = default;
  ~FakeBoolOperation() = default;

  std::atomic<ULONG> references_{1};
  std::atomic<bool> handler_registered_{false};
  std::atomic<int> cancel_calls_{0};
  std::atomic<int> get_results_calls_{0};
  bool hide_async_info_ = false;
  std::mutex mutex_;
  AsyncStatus status_ = Started;
  bool result_ = false;
  HRESULT error_ = S_OK;
  Microsoft::WRL::ComPtr<Handler> handler_;
};

}  // namespace notch::testing
