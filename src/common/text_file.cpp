#include "common/text_file.h"

#include <array>

#include "common/text.h"

namespace notch {
namespace {

// Windows-1252 for bytes 0x80..0x9F; the five unassigned bytes map to the
// C1 control of the same value, as MultiByteToWideChar does.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::wstring DecodeUtf16Le(std::string_view bytes) {
  std::wstring units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[i]);
    const auto high = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<wchar_t>(low | (high << 8)));
  }
  if constexpr (sizeof(wchar_t) == 2) {
    return units;
  } else {
    // Pairs of 16-bit units become one 32-bit character.
    std::wstring out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
      const auto unit = static_cast<char32_t>(units[i]);
      if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size()) {
        const auto next = static_cast<char32_t>(units[i + 1]);
        if (next >= 0xDC00 && next <= 0xDFFF) {
          AppendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
          ++i;
          continue;
        }
      }
      AppendCodePoint(out, unit);
    }
    return out;
  }
}

std::string EncodeUtf16Le(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  const auto put = [&out](char32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
  };
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = NextCodePoint(text, i);
    if (c >= 0x10000) {
      c -= 0x10000;
      put(0xD800 + (c >> 10));
      put(0xDC00 + (c & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

std::wstring DecodeWindows1252(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    out.push_back(byte >= 0x80 && byte < 0xA0 ? static_cast<wchar_t>(kWindows1252High[byte - 0x80])
                                              : static_cast<wchar_t>(byte));
  }
  return out;
}

char EncodeWindows1252Char(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
    if (kWindows1252High[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

}  // namespace

DecodedText DecodeTextFile(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xFE")) return {DecodeUtf16Le(bytes.substr(2)), TextEncoding::Utf16LeWithMark};
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return {Utf8ToWide(bytes.substr(3)), TextEncoding::Utf8WithMark};
  if (IsValidUtf8(bytes)) return {Utf8ToWide(bytes), TextEncoding::Utf8};
  return {DecodeWindows1252(bytes), TextEncoding::Ansi};
}

std::string EncodeTextFile(std::wstring_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return WideToUtf8(text);
    case TextEncoding::Utf8WithMark:
      return "\xEF\xBB\xBF" + WideToUtf8(text);
    case TextEncoding::Utf16LeWithMark:
      return "\xFF\xFE" + EncodeUtf16Le(text);
    case TextEncoding::Ansi: {
      std::string out;
      out.reserve(text.size());
      for (std::size_t i = 0; i < text.size();) out.push_back(EncodeWindows1252Char(NextCodePoint(text, i)));
      return out;
    }
  }
  return {};
}

}  // namespace notch
