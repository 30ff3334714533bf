#include "winrt/await_win.h"

#include <objbase.h>

namespace notch::winrt {
namespace {

bool InSingleThreadedApartment() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  if (FAILED(CoGetApartmentType(&type, &qualifier))) return false;
  return type == APTTYPE_STA || type == APTTYPE_MAINSTA;
}

HRESULT OutcomeOf(IAsyncInfo& info) {
  AsyncStatus status = Started;
  HRESULT result = info.get_Status(&status);
  if (FAILED(result)) return result;
  switch (status) {
    case Completed:
      return S_OK;
    case Canceled:
      return HRESULT_FROM_WIN32(ERROR_CANCELLED);
    case Error: {
      HRESULT error = S_OK;
      result = info.get_ErrorCode(&error);
      if (FAILED(result)) return result;
      return FAILED(error) ? error : E_FAIL;
    }
    case Started:
      break;
  }
  // The handler ran, yet the operation says it is still running.
  return E_UNEXPECTED;
}

}  // namespace

CompletionSignal::CompletionSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CompletionSignal::~CompletionSignal() {
  if (event_ != nullptr) CloseHandle(event_);
}

void CompletionSignal::Set() const { SetEvent(event_); }

HRESULT WaitForCompletion(IInspectable* async,
                          const std::function<HRESULT(const std::shared_ptr<CompletionSignal>& signal)>& subscribe,
                          DWORD timeout_ms) {
  if (async == nullptr) return E_POINTER;
  if (InSingleThreadedApartment()) return RPC_E_WRONG_THREAD;

  Microsoft::WRL::ComPtr<IAsyncInfo> info;
  HRESULT result = async->QueryInterface(__uuidof(IAsyncInfo), reinterpret_cast<void**>(info.GetAddressOf()));
  if (FAILED(result)) return result;

  const auto signal = std::make_shared<CompletionSignal>();
  if (signal->event() == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  result = subscribe(signal);
  if (FAILED(result)) return result;

  switch (WaitForSingleObject(signal->event(), timeout_ms)) {
    case WAIT_OBJECT_0:
      return OutcomeOf(*info.Get());
    case WAIT_TIMEOUT:
      info->Cancel();
      return HRESULT_FROM_WIN32(ERROR_TIMEOUT);
    default:
      return HRESULT_FROM_WIN32(GetLastError());
  }
}

}  // namespace notch::winrt
