#pragma once
// The IIDs of generic interface instances (IAsyncOperation<bool>,
// TypedEventHandler<A, B>, ...), which no header lists: the Windows Runtime
// derives each from the instance's type signature as a name-based (SHA-1,
// version 5) UUID in its own namespace.
//
// Signatures, as the metadata writes them:
//   interface               {iid}
//   runtime class           rc(Full.Class.Name;<signature of its default interface>)
//   generic instance        pinterface({generic iid};<argument signature>;...)
//   Boolean                 b1
//   enumeration             enum(Full.Enum.Name;<underlying type: i4 or u4>)
#include <initializer_list>
#include <string>
#include <string_view>

#include "winrt/guid.h"

namespace notch::winrt {

inline constexpr std::string_view kBooleanSignature = "b1";

std::string InterfaceSignature(const Guid& iid);
std::string RuntimeClassSignature(std::string_view class_name, std::string_view default_interface_signature);
std::string EnumSignature(std::string_view enum_name, std::string_view underlying_signature);
std::string ParameterizedSignature(const Guid& generic_iid, std::initializer_list<std::string_view> arguments);

Guid ParameterizedIid(std::string_view signature);

}  // namespace notch::winrt
