#include "winrt/guid.h"

namespace notch::winrt {
namespace {

void AppendHex(std::string& out, std::uint32_t value, int digits) {
  constexpr char kDigits[] = "0123456789abcdef";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string FormatGuid(const Guid& guid) {
  std::string text;
  text.reserve(36);
  AppendHex(text, guid.data1, 8);
  text += '-';
  AppendHex(text, guid.data2, 4);
  text += '-';
  AppendHex(text, guid.data3, 4);
  text += '-';
  for (std::size_t i = 0; i < guid.data4.size(); ++i) {
    if (i == 2) text += '-';
    AppendHex(text, guid.data4[i], 2);
  }
  return text;
}

}  // namespace notch::winrt
