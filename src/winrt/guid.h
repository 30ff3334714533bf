#pragma once
// Interface identifiers as plain data, so that the portable code can name and
// compute them; guid_win.h turns them into the Windows GUID.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace notch::winrt {

struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

// Reads the registry form without braces, "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx",
// in either case. Anything else gives no value.
constexpr std::optional<Guid> ParseGuid(std::string_view text) {
  if (text.size() != 36) return std::nullopt;
  std::array<std::uint8_t, 32> nibbles{};
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (c != '-') return std::nullopt;
    } else if (c >= '0' && c <= '9') {
      nibbles[count++] = static_cast<std::uint8_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      nibbles[count++] = static_cast<std::uint8_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      nibbles[count++] = static_cast<std::uint8_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
  }
  const auto value = [&nibbles](std::size_t first, std::size_t digits) {
    std::uint32_t result = 0;
    for (std::size_t i = first; i < first + digits; ++i) result = (result << 4) | nibbles[i];
    return result;
  };
  Guid guid;
  guid.data1 = value(0, 8);
  guid.data2 = static_cast<std::uint16_t>(value(8, 4));
  guid.data3 = static_cast<std::uint16_t>(value(12, 4));
  for (std::size_t i = 0; i < guid.data4.size(); ++i) guid.data4[i] = static_cast<std::uint8_t>(value(16 + 2 * i, 2));
  return guid;
}

// A GUID written in the source; malformed text does not compile.
consteval Guid GuidLiteral(std::string_view text) {
  const std::optional<Guid> guid = ParseGuid(text);
  if (!guid) throw "malformed GUID literal";
  return *guid;
}

// The registry form without braces, lower case, as type signatures spell it.
std::string FormatGuid(const Guid& guid);

}  // namespace notch::winrt
