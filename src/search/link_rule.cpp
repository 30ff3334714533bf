#include "search/link_rule.h"

#include "common/text.h"
#include "search/search_text.h"

namespace notch::quick {
namespace {

constexpr std::wstring_view kHttp = L"http://";
constexpr std::wstring_view kHttps = L"https://";
constexpr std::size_t kMaxPort = 65535;

bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsAsciiHexDigit(char32_t c) { return IsAsciiDigit(c) || (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F'); }

bool IsForbidden(wchar_t c) {
  const auto code = static_cast<char32_t>(c);
  return IsWhiteSpace(code) || code < 0x20 || (code >= 0x7F && code <= 0x9F) || c == L'"' || c == L'\\';
}

// Letters, digits, "-" and "." only: what a typed host name may hold.
bool IsBareHostCharacter(char32_t c) { return c == U'-' || c == U'.' || IsWordCharacter(c); }

// Registered-name characters of a URL host (unreserved, sub-delimiters,
// percent escapes) and any non-ASCII letter.
bool IsHostCharacter(char32_t c) {
  if (IsBareHostCharacter(c)) return true;
  return std::wstring_view(L"_~%!$&'()*+,;=").find(static_cast<wchar_t>(c)) != std::wstring_view::npos;
}

template <typename Predicate>
bool All(std::wstring_view text, Predicate predicate) {
  for (std::size_t i = 0; i < text.size();) {
    if (!predicate(NextCodePoint(text, i))) return false;
  }
  return true;
}

bool IsPort(std::wstring_view digits) {
  if (digits.size() > 5 || !All(digits, IsAsciiDigit)) return false;
  std::size_t value = 0;
  for (const wchar_t d : digits) value = value * 10 + static_cast<std::size_t>(d - L'0');
  return value <= kMaxPort;
}

// A bare host needs a dot that is not its first character and at least two
// characters after its last dot.
bool HasDomainEnding(std::wstring_view host) {
  const std::size_t dot = host.rfind(L'.');
  if (dot == std::wstring_view::npos || host.find(L'.') == 0) return false;
  return CodePointCount(host.substr(dot + 1)) >= 2;
}

// The host of `authority` (what follows "scheme://" up to the path), or
// nothing when the authority is malformed or carries a user name.
std::optional<std::wstring_view> HostOf(std::wstring_view authority) {
  if (authority.find(L'@') != std::wstring_view::npos) return std::nullopt;
  std::wstring_view host = authority;
  std::wstring_view port;
  if (authority.starts_with(L'[')) {
    const std::size_t close = authority.find(L']');
    if (close == std::wstring_view::npos) return std::nullopt;
    host = authority.substr(0, close + 1);
    const std::wstring_view rest = authority.substr(close + 1);
    if (!rest.empty() && !rest.starts_with(L':')) return std::nullopt;
    if (!rest.empty()) port = rest.substr(1);
    const std::wstring_view inside = host.substr(1, host.size() - 2);
    if (inside.empty() || !All(inside, [](char32_t c) { return IsAsciiHexDigit(c) || c == U':' || c == U'.'; })) {
      return std::nullopt;
    }
  } else {
    const std::size_t colon = authority.find(L':');
    if (colon != std::wstring_view::npos) {
      host = authority.substr(0, colon);
      port = authority.substr(colon + 1);
    }
    if (host.empty() || !All(host, IsHostCharacter)) return std::nullopt;
  }
  if (!IsPort(port)) return std::nullopt;
  return host;
}

}  // namespace

std::optional<std::wstring> LinkFromText(std::wstring_view text) {
  std::wstring link;
  if (!AssignLinkFromText(link, text)) return std::nullopt;
  return link;
}

bool AssignLinkFromText(std::wstring& link, std::wstring_view text) {
  if (text.empty()) return false;
  for (const wchar_t c : text) {
    if (IsForbidden(c)) return false;
  }
  std::size_t authority_start = 0;
  const bool typed_scheme = StartsWithLower(text, kHttp) || StartsWithLower(text, kHttps);
  if (typed_scheme) {
    link.assign(text);
    authority_start = text.find(L"://") + 3;
  } else {
    if (text.find(L"://") != std::wstring_view::npos) return false;
    link.assign(kHttps);
    link.append(text);
    authority_start = kHttps.size();
  }
  const std::wstring_view rest = std::wstring_view(link).substr(authority_start);
  const std::wstring_view authority = rest.substr(0, rest.find_first_of(L"/?#"));
  const std::optional<std::wstring_view> host = HostOf(authority);
  if (!host) return false;
  return typed_scheme || (All(*host, IsBareHostCharacter) && HasDomainEnding(*host));
}

}  // namespace notch::quick
