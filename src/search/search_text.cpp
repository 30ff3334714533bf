#include "search/search_text.h"

#include "common/text.h"

namespace notch::quick {

char32_t ToLowerCodePoint(char32_t c) {
  if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c >= 0x100 && c <= 0x137 && c != 0x130) return c | 1;  // pairs: capital even, small odd
  if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;  // pairs: capital odd, small even
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  return c;
}

std::wstring ToLower(std::wstring_view text) {
  std::wstring lower;
  lower.reserve(text.size());
  AssignLower(lower, text);
  return lower;
}

void AssignLower(std::wstring& out, std::wstring_view text) {
  out.clear();
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = NextCodePoint(text, i);
    if (c == kReplacementCharacter) {
      out.append(text.substr(start, i - start));  // keeps a lone surrogate as it was
    } else {
      AppendCodePoint(out, ToLowerCodePoint(c));
    }
  }
}

// Lower-casing maps each code unit on its own (no mapping involves a
// surrogate), so texts compare unit by unit.
bool StartsWithLower(std::wstring_view text, std::wstring_view lower) {
  if (text.size() < lower.size()) return false;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (ToLowerCodePoint(static_cast<char32_t>(text[i])) != static_cast<char32_t>(lower[i])) return false;
  }
  return true;
}

bool EqualsLower(std::wstring_view text, std::wstring_view lower) {
  return text.size() == lower.size() && StartsWithLower(text, lower);
}

bool IsWhiteSpace(char32_t c) {
  switch (c) {
    case U' ':
    case U'\t':
    case U'\n':
    case U'\v':
    case U'\f':
    case U'\r':
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return true;
    default:
      return c >= 0x2000 && c <= 0x200A;
  }
}

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsWhiteSpace(static_cast<char32_t>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(static_cast<char32_t>(text.back()))) text.remove_suffix(1);
  return text;
}

std::vector<std::wstring_view> SplitWords(std::wstring_view text) {
  std::vector<std::wstring_view> words;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !IsWhiteSpace(static_cast<char32_t>(text[i]))) continue;
    if (i > start) words.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return words;
}

bool IsWordCharacter(char32_t c) {
  if (c < 0x80) return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
  if (c <= 0xBF || c == 0xD7 || c == 0xF7) return false;
  if (c >= 0x2000 && c <= 0x206F) return false;
  if (c >= 0x3000 && c <= 0x303F) return false;
  return c != kReplacementCharacter;
}

std::size_t CodePointCount(std::wstring_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) NextCodePoint(text, i);
  return count;
}

std::size_t CodePointCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char byte : utf8) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::wstring Quoted(std::wstring_view text) { return L"\"" + std::wstring(text) + L"\""; }

std::wstring_view Unquoted(std::wstring_view text) {
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') return text.substr(1, text.size() - 2);
  return text;
}

std::wstring PercentEncode(std::wstring_view text) {
  std::wstring encoded;
  AppendPercentEncoded(encoded, text);
  return encoded;
}

void AppendPercentEncoded(std::wstring& out, std::wstring_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < text.size();) {
    // One code point's UTF-8 bytes at a time, so that nothing is allocated.
    char bytes[4];
    const std::size_t count = EncodeUtf8(NextCodePoint(text, i), bytes);
    for (std::size_t k = 0; k < count; ++k) {
      const auto b = static_cast<unsigned char>(bytes[k]);
      const bool kept = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
                        b == '.' || b == '_' || b == '~';
      if (kept) {
        out.push_back(static_cast<wchar_t>(b));
      } else {
        out.push_back(L'%');
        out.push_back(static_cast<wchar_t>(kHex[b >> 4]));
        out.push_back(static_cast<wchar_t>(kHex[b & 0xF]));
      }
    }
  }
}

}  // namespace notch::quick
