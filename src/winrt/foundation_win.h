#pragma once
// Our declarations of the Windows.Foundation types the program uses, in ABI
// (vtable) order. The MinGW-w64 headers give the plain basics (IInspectable,
// IAsyncInfo, AsyncStatus, EventRegistrationToken) but only a few generic
// instances, so every instance is declared here from one template and its IID
// computed from its signature. Their windows.foundation.h does not compile as
// C++ with g++ 12, so DateTime and TimeSpan are declared here too.
#include <windows.h>

#include <asyncinfo.h>
#include <eventtoken.h>
#include <inspectable.h>

#include <string>

#include "winrt/guid_win.h"
#include "winrt/type_signature_win.h"

namespace notch::winrt {

// 100-ns ticks since 1 January 1601 (UTC), as in a FILETIME.
struct DateTime {
  INT64 UniversalTime;
};

// 100-ns ticks.
struct TimeSpan {
  INT64 Duration;
};

// The generic interfaces, whose IIDs open their instances' signatures.
inline constexpr Guid kAsyncOperationGeneric = GuidLiteral("9fc2b0bb-e446-44e2-aa61-9cab8f636af2");
inline constexpr Guid kAsyncOperationCompletedHandlerGeneric = GuidLiteral("fcdcf02c-e5d8-4478-915a-4d90b74b83a5");
inline constexpr Guid kTypedEventHandlerGeneric = GuidLiteral("9de1c534-6ae1-11e0-84e1-18a905bcc53f");
inline constexpr Guid kReferenceGeneric = GuidLiteral("61c17706-2d65-11e0-9ae8-d48564015472");

// Every delegate (event or completion handler) is IUnknown plus one Invoke.
template <class First, class Second>
struct IDelegate : IUnknown {
  using FirstArgument = First;
  using SecondArgument = Second;
  virtual HRESULT STDMETHODCALLTYPE Invoke(First first, Second second) = 0;
};

template <class T>
struct IAsyncOperation;

template <class T>
struct IAsyncOperationCompletedHandler : IDelegate<IAsyncOperation<T>*, AsyncStatus> {
  static std::string Signature() {
    return ParameterizedSignature(kAsyncOperationCompletedHandlerGeneric, {SignatureOf<T>()});
  }
  static GUID Iid() { return ParameterizedIidOf<IAsyncOperationCompletedHandler>(); }
};

// Requires IAsyncInfo (query for it).
template <class T>
struct IAsyncOperation : IInspectable {
  using CompletedHandler = IAsyncOperationCompletedHandler<T>;
  static std::string Signature() { return ParameterizedSignature(kAsyncOperationGeneric, {SignatureOf<T>()}); }
  static GUID Iid() { return ParameterizedIidOf<IAsyncOperation>(); }

  virtual HRESULT STDMETHODCALLTYPE put_Completed(CompletedHandler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(CompletedHandler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetResults(AbiOf<T>* results) = 0;
};

struct IAsyncAction;

struct IAsyncActionCompletedHandler : IDelegate<IAsyncAction*, AsyncStatus> {
  static constexpr GUID Iid() { return IidLiteral("a4ed5c81-76c9-40bd-8be6-b1d90fb20ae7"); }
};

// Requires IAsyncInfo (query for it).
struct IAsyncAction : IInspectable {
  using CompletedHandler = IAsyncActionCompletedHandler;
  static constexpr GUID Iid() { return IidLiteral("5a648006-843a-4da9-865b-9d26e5dfad7b"); }

  virtual HRESULT STDMETHODCALLTYPE put_Completed(CompletedHandler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(CompletedHandler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetResults() = 0;
};

template <class Sender, class Args>
struct ITypedEventHandler : IDelegate<AbiOf<Sender>, AbiOf<Args>> {
  static std::string Signature() {
    return ParameterizedSignature(kTypedEventHandlerGeneric, {SignatureOf<Sender>(), SignatureOf<Args>()});
  }
  static GUID Iid() { return ParameterizedIidOf<ITypedEventHandler>(); }
};

template <class T>
struct IReference : IInspectable {
  static std::string Signature() { return ParameterizedSignature(kReferenceGeneric, {SignatureOf<T>()}); }
  static GUID Iid() { return ParameterizedIidOf<IReference>(); }

  virtual HRESULT STDMETHODCALLTYPE get_Value(AbiOf<T>* value) = 0;
};

}  // namespace notch::winrt
