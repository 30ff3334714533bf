#pragma once
// How a type argument of a generic interface appears in the ABI and in the
// type signature its instance's IID is computed from.
//
// Four kinds of argument occur: bool; an enumeration, for which we declare a
// tag naming it, its underlying signature and its C++ type; an interface, which supplies Iid() (and
// Signature() when it is itself a generic instance); and a runtime class, for
// which we declare a tag naming the class and its default interface:
//
//   struct GlobalSystemMediaTransportControlsSessionManager {
//     static constexpr std::wstring_view kName = L"Windows.Media.Control....";
//     using DefaultInterface = IGlobalSystemMediaTransportControlsSessionManager;
//   };
#include <windows.h>

#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/text.h"
#include "winrt/guid_win.h"
#include "winrt/parameterized_iid.h"

namespace notch::winrt {

template <class T>
concept RuntimeClass = requires {
  typename T::DefaultInterface;
  { T::kName } -> std::convertible_to<std::wstring_view>;
};

template <class T>
concept RuntimeEnum = requires {
  typename T::Value;
  { T::kEnumName } -> std::convertible_to<std::wstring_view>;
  { T::kUnderlyingSignature } -> std::convertible_to<std::string_view>;
};

template <class T>
struct Abi {
  using Type = T*;
};
template <>
struct Abi<bool> {
  using Type = boolean;
};
template <RuntimeClass T>
struct Abi<T> {
  using Type = typename T::DefaultInterface*;
};
template <RuntimeEnum T>
struct Abi<T> {
  using Type = typename T::Value;
};

// The type a value of T has on the ABI: boolean, the enumeration, or an
// interface pointer.
template <class T>
using AbiOf = typename Abi<T>::Type;

template <class T>
std::string SignatureOf() {
  if constexpr (std::is_same_v<T, bool>) {
    return std::string(kBooleanSignature);
  } else if constexpr (RuntimeEnum<T>) {
    return EnumSignature(WideToUtf8(T::kEnumName), T::kUnderlyingSignature);
  } else if constexpr (RuntimeClass<T>) {
    return RuntimeClassSignature(WideToUtf8(T::kName), SignatureOf<typename T::DefaultInterface>());
  } else if constexpr (requires { T::Signature(); }) {
    return T::Signature();
  } else {
    return InterfaceSignature(FromWindowsGuid(T::Iid()));
  }
}

// A generic instance's IID, computed once from its signature.
template <class Instance>
GUID ParameterizedIidOf() {
  static const GUID iid = ToWindowsGuid(ParameterizedIid(Instance::Signature()));
  return iid;
}

}  // namespace notch::winrt
