#pragma once
// Conversion between UTF-8 and the program's wide text.
//
// wchar_t is UTF-16 on Windows and UTF-32 on Linux; these helpers are the one
// place that knows both. Malformed input never fails: each bad byte or lone
// surrogate becomes U+FFFD.
#include <string>
#include <string_view>

namespace notch {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
// The same, appending to `out`: a caller that keeps `out` reuses its buffer.
void AppendWide(std::wstring& out, std::string_view utf8);
void AppendUtf8(std::string& out, std::wstring_view wide);

// True when every byte belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view utf8);

// True when the text holds only Unicode scalar values: no lone surrogate (and,
// where wchar_t is 32 bits, no value beyond U+10FFFF).
bool IsValidWide(std::wstring_view wide);

// The text's length in UTF-16 code units, whatever the width of wchar_t.
std::size_t Utf16Length(std::wstring_view wide);

// The UTF-8 bytes of one Unicode scalar value into `bytes` (room for four);
// returns how many.
std::size_t EncodeUtf8(char32_t code_point, char* bytes);

// Appends one Unicode scalar value in this platform's wchar_t encoding.
void AppendCodePoint(std::wstring& out, char32_t code_point);

// Reads the code point that starts at `index` and moves `index` past it.
char32_t NextCodePoint(std::wstring_view text, std::size_t& index);
// The same over UTF-8 bytes; a malformed byte reads as U+FFFD and is skipped.
char32_t NextCodePoint(std::string_view utf8, std::size_t& index);

// Whole-string comparison that folds ASCII letters only, as the profile
// functions do for section and key names.
bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

}  // namespace notch
