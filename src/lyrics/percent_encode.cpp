#include "lyrics/percent_encode.h"

#include "common/text.h"

namespace notch::lyrics {
namespace {

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == '-' ||
         byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

std::wstring PercentEncode(std::wstring_view text) {
  if (!IsValidWide(text)) return {};
  constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";
  std::wstring encoded;
  for (const char c : WideToUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      encoded.push_back(static_cast<wchar_t>(byte));
    } else {
      encoded += {L'%', kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
    }
  }
  return encoded;
}

}  // namespace notch::lyrics
