#pragma once
// Text rules shared by the lyrics readers: trimming, length caps and the
// reading of untimed text into plain lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace notch::lyrics {

// Leading space, tab, CR and U+FEFF, trailing space, tab and CR.
std::wstring_view TrimLyricText(std::wstring_view text);

// The first `max_length` units of `text`, one fewer when the cut would split a
// UTF-16 surrogate pair (a lone half would draw as a box).
std::wstring CutToLength(std::wstring_view text, std::size_t max_length);

std::vector<std::wstring_view> SplitAtLineFeeds(std::wstring_view text);

// Section headings such as "[Chorus]" are not lyrics in some services' text.
enum class Headings { Keep, Drop };

// Untimed text: one line per LF-separated piece, trimmed, empty pieces
// dropped, each cut to the short-line cap, at most the plain-line cap.
std::vector<std::wstring> ReadPlainLines(std::wstring_view text, Headings headings);

}  // namespace notch::lyrics
