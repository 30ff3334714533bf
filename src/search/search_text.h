#pragma once
// Text rules shared by query interpretation, scoring and the indexes.
//
// Lower-casing is the program's own, not the C library's (whose tables depend
// on the locale and differ between the two builds): ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic capitals map to their small letters. Every
// mapping stays inside its UTF-8 and UTF-16 length class, so a lower-case copy
// has exactly the byte length of the original; the file index relies on that.
#include <string>
#include <string_view>
#include <vector>

namespace notch::quick {

char32_t ToLowerCodePoint(char32_t c);
std::wstring ToLower(std::wstring_view text);
// The same into `out`, whose buffer is reused; `text` must not be a view of it.
void AssignLower(std::wstring& out, std::wstring_view text);
// Whether the text in lower case is `lower`, without making the copy.
bool EqualsLower(std::wstring_view text, std::wstring_view lower);
bool StartsWithLower(std::wstring_view text, std::wstring_view lower);

bool IsWhiteSpace(char32_t c);
std::wstring_view Trim(std::wstring_view text);
// The parts between runs of white space.
std::vector<std::wstring_view> SplitWords(std::wstring_view text);

// Letters and digits: ASCII a-z, A-Z and 0-9, and every code point above
// U+007F except the Latin-1 and general punctuation blocks.
bool IsWordCharacter(char32_t c);

// Lengths in code points, so that a name scores alike in UTF-8 and UTF-16.
std::size_t CodePointCount(std::wstring_view text);
std::size_t CodePointCount(std::string_view utf8);

// The text in double quotes, and the text without one pair around it.
std::wstring Quoted(std::wstring_view text);
std::wstring_view Unquoted(std::wstring_view text);

// UTF-8 with A-Z, a-z, 0-9 and "-._~" kept and every other byte as %XX.
std::wstring PercentEncode(std::wstring_view text);
void AppendPercentEncoded(std::wstring& out, std::wstring_view text);

}  // namespace notch::quick
