#pragma once
// Awaiting Windows Runtime async operations and actions.
//
// Only a worker thread in the multithreaded apartment waits: a single-threaded
// apartment (the window thread above all) must keep pumping messages, so the
// wait refuses it with RPC_E_WRONG_THREAD. The wait ends at the completion
// handler's signal, never by polling; a bounded wait cancels an operation that
// hangs, and a completion that comes later finds its handler still alive.
#include <windows.h>

#include <functional>
#include <memory>

#include "winrt/delegate_win.h"
#include "winrt/foundation_win.h"

namespace notch::winrt {

// Long enough for any session call that works at all.
inline constexpr DWORD kAwaitTimeoutMs = 10'000;

// Set by a completion handler once its operation has finished.
class CompletionSignal {
 public:
  CompletionSignal();
  ~CompletionSignal();
  CompletionSignal(const CompletionSignal&) = delete;
  CompletionSignal& operator=(const CompletionSignal&) = delete;

  HANDLE event() const { return event_; }
  void Set() const;

 private:
  HANDLE event_;
};

// Registers a completion handler holding `signal`, waits for it, and turns the
// operation's status into a result: S_OK when completed, its error code after
// an error, HRESULT_FROM_WIN32(ERROR_CANCELLED) when cancelled and
// HRESULT_FROM_WIN32(ERROR_TIMEOUT) (after cancelling it) when time ran out.
HRESULT WaitForCompletion(IInspectable* async,
                          const std::function<HRESULT(const std::shared_ptr<CompletionSignal>& signal)>& subscribe,
                          DWORD timeout_ms);

template <class Async>
HRESULT AwaitCompletion(Async* async, DWORD timeout_ms) {
  return WaitForCompletion(
      async,
      [async](const std::shared_ptr<CompletionSignal>& signal) {
        const auto handler =
            MakeDelegate<typename Async::CompletedHandler>([signal](auto*, AsyncStatus) { signal->Set(); });
        return handler ? async->put_Completed(handler.Get()) : E_OUTOFMEMORY;
      },
      timeout_ms);
}

// On success `results` holds the operation's results (an interface pointer the
// caller now owns); on failure it is zero or null.
template <class T>
HRESULT Await(IAsyncOperation<T>* operation, AbiOf<T>* results, DWORD timeout_ms = kAwaitTimeoutMs) {
  if (results == nullptr) return E_POINTER;
  *results = {};
  const HRESULT outcome = AwaitCompletion(operation, timeout_ms);
  return FAILED(outcome) ? outcome : operation->GetResults(results);
}

inline HRESULT Await(IAsyncAction* action, DWORD timeout_ms = kAwaitTimeoutMs) {
  const HRESULT outcome = AwaitCompletion(action, timeout_ms);
  return FAILED(outcome) ? outcome : action->GetResults();
}

}  // namespace notch::winrt
