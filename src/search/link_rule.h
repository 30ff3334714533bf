#pragma once
// When typed text is a web link, and which address it opens.
#include <optional>
#include <string>
#include <string_view>

namespace notch::quick {

// The link for `text`: http(s) text as typed, or a bare host name such as
// "example.com/page" with "https://" put in front. Nothing for any other
// text, another scheme, a user name or password, or a malformed host.
std::optional<std::wstring> LinkFromText(std::wstring_view text);
// The same into `link`, whose buffer is reused; false (and `link` left
// unspecified) for text that is no link.
bool AssignLinkFromText(std::wstring& link, std::wstring_view text);

}  // namespace notch::quick
