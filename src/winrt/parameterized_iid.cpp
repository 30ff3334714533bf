#include "winrt/parameterized_iid.h"

#include "winrt/sha1.h"

namespace notch::winrt {
namespace {

// The namespace of all parameterized interface IIDs.
constexpr Guid kParameterizedNamespace = GuidLiteral("11f47ad5-7b73-42c0-abae-878b1e16adee");

// A GUID's bytes in network order, as name-based UUIDs hash them.
void AppendBigEndian(std::string& out, const Guid& guid) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(guid.data1 >> shift);
  for (const std::uint16_t half : {guid.data2, guid.data3}) {
    out += static_cast<char>(half >> 8);
    out += static_cast<char>(half);
  }
  for (const std::uint8_t byte : guid.data4) out += static_cast<char>(byte);
}

}  // namespace

std::string InterfaceSignature(const Guid& iid) { return "{" + FormatGuid(iid) + "}"; }

std::string RuntimeClassSignature(std::string_view class_name, std::string_view default_interface_signature) {
  std::string signature = "rc(";
  signature += class_name;
  signature += ';';
  signature += default_interface_signature;
  signature += ')';
  return signature;
}

std::string EnumSignature(std::string_view enum_name, std::string_view underlying_signature) {
  std::string signature = "enum(";
  signature += enum_name;
  signature += ';';
  signature += underlying_signature;
  signature += ')';
  return signature;
}

std::string ParameterizedSignature(const Guid& generic_iid, std::initializer_list<std::string_view> arguments) {
  std::string signature = "pinterface(" + InterfaceSignature(generic_iid);
  for (const std::string_view argument : arguments) {
    signature += ';';
    signature += argument;
  }
  signature += ')';
  return signature;
}

Guid ParameterizedIid(std::string_view signature) {
  std::string name;
  name.reserve(16 + signature.size());
  AppendBigEndian(name, kParameterizedNamespace);
  name += signature;
  const Sha1Digest digest = Sha1(name);

  const auto byte = [&digest](std::size_t i) { return std::uint32_t{digest[i]}; };
  Guid iid;
  iid.data1 = (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
  iid.data2 = static_cast<std::uint16_t>((byte(4) << 8) | byte(5));
  // Version 5 in the top nibble of data3, the RFC 4122 variant in data4[0].
  iid.data3 = static_cast<std::uint16_t>((((byte(6) & 0x0F) | 0x50) << 8) | byte(7));
  iid.data4[0] = static_cast<std::uint8_t>((byte(8) & 0x3F) | 0x80);
  for (std::size_t i = 1; i < iid.data4.size(); ++i) iid.data4[i] = digest[8 + i];
  return iid;
}

}  // namespace notch::winrt
