#include "common/text.h"

#include <cstdint>
#include <cstring>

namespace notch {
namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one UTF-8 sequence at `i`; on malformed input consumes one byte.
char32_t DecodeUtf8At(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
    minimum = 0x10000;
  } else {
    ++i;
    return kReplacementCharacter;
  }
  if (i + static_cast<std::size_t>(length) > s.size()) {
    ++i;
    return kReplacementCharacter;
  }
  for (int k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if (!IsContinuation(byte)) {
      ++i;
      return kReplacementCharacter;
    }
    value = (value << 6) | (byte & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || IsSurrogate(value)) {
    ++i;
    return kReplacementCharacter;
  }
  i += static_cast<std::size_t>(length);
  return value;
}

// The end of the run of ASCII bytes that starts at `from`, read eight bytes
// at a time.
std::size_t AsciiPrefixEnd(std::string_view s, std::size_t from) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  std::size_t i = from;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t block;
    std::memcpy(&block, s.data() + i, sizeof(block));
    if ((block & kHighBits) != 0) break;
  }
  while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

void AppendUtf8(std::string& out, char32_t c) {
  char bytes[4];
  out.append(bytes, EncodeUtf8(c, bytes));
}

}  // namespace

std::size_t EncodeUtf8(char32_t c, char* bytes) {
  if (c < 0x80) {
    bytes[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    bytes[0] = static_cast<char>(0xC0 | (c >> 6));
    bytes[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    bytes[0] = static_cast<char>(0xE0 | (c >> 12));
    bytes[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  bytes[0] = static_cast<char>(0xF0 | (c >> 18));
  bytes[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  bytes[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  bytes[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

void AppendCodePoint(std::wstring& out, char32_t c) {
  if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacementCharacter;
  if constexpr (kWideIsUtf16) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(c));
}

char32_t NextCodePoint(std::wstring_view text, std::size_t& index) {
  const auto unit = static_cast<char32_t>(text[index++]);
  if constexpr (kWideIsUtf16) {
    if (unit >= 0xD800 && unit <= 0xDBFF && index < text.size()) {
      const auto low = static_cast<char32_t>(text[index]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        ++index;
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      }
    }
  }
  if (unit > 0x10FFFF || IsSurrogate(unit)) return kReplacementCharacter;
  return unit;
}

char32_t NextCodePoint(std::string_view utf8, std::size_t& index) { return DecodeUtf8At(utf8, index); }

std::wstring Utf8ToWide(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  AppendWide(out, utf8);
  return out;
}

void AppendWide(std::wstring& out, std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    // Most text is ASCII: each byte is its own unit.
    const std::size_t ascii_end = AsciiPrefixEnd(utf8, i);
    for (; i < ascii_end; ++i) out.push_back(static_cast<wchar_t>(utf8[i]));
    if (i < utf8.size()) AppendCodePoint(out, DecodeUtf8At(utf8, i));
  }
}

std::string WideToUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  AppendUtf8(out, wide);
  return out;
}

void AppendUtf8(std::string& out, std::wstring_view wide) {
  for (std::size_t i = 0; i < wide.size();) AppendUtf8(out, NextCodePoint(wide, i));
}

bool IsValidUtf8(std::string_view utf8) {
  for (std::size_t i = AsciiPrefixEnd(utf8, 0); i < utf8.size(); i = AsciiPrefixEnd(utf8, i)) {
    const std::size_t start = i;
    // A genuine U+FFFD is three bytes long; a malformed byte is consumed alone.
    if (DecodeUtf8At(utf8, i) == kReplacementCharacter && i - start != 3) return false;
  }
  return true;
}

bool IsValidWide(std::wstring_view wide) {
  for (std::size_t i = 0; i < wide.size();) {
    const std::size_t start = i;
    // A genuine U+FFFD is one unit long; only a lone surrogate or a value
    // beyond U+10FFFF also reads as U+FFFD.
    if (NextCodePoint(wide, i) == kReplacementCharacter && wide[start] != static_cast<wchar_t>(0xFFFD)) return false;
  }
  return true;
}

std::size_t Utf16Length(std::wstring_view wide) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < wide.size();) units += NextCodePoint(wide, i) >= 0x10000 ? 2 : 1;
  return units;
}

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  const auto fold = [](wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace notch
