#pragma once
// Query values as the lyrics services read them: UTF-8, percent-encoded.
#include <string>
#include <string_view>

namespace notch::lyrics {

// Keeps A-Z, a-z, 0-9 and "-._~"; every other UTF-8 byte becomes "%XX" with
// upper-case digits. Text that is not valid Unicode gives an empty result.
std::wstring PercentEncode(std::wstring_view text);

}  // namespace notch::lyrics
