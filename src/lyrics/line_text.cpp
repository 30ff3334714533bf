#include "lyrics/line_text.h"

#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {
namespace {

bool IsTrimmedAtBothEnds(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r'; }

bool IsHighSurrogate(wchar_t c) {
  if constexpr (sizeof(wchar_t) == 2) return c >= 0xD800 && c <= 0xDBFF;
  return false;
}

}  // namespace

std::wstring_view TrimLyricText(std::wstring_view text) {
  std::size_t first = 0;
  while (first < text.size() && (IsTrimmedAtBothEnds(text[first]) || text[first] == L'\uFEFF')) ++first;
  std::size_t last = text.size();
  while (last > first && IsTrimmedAtBothEnds(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::wstring CutToLength(std::wstring_view text, std::size_t max_length) {
  if (text.size() <= max_length) return std::wstring(text);
  std::size_t length = max_length;
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return std::wstring(text.substr(0, length));
}

std::vector<std::wstring_view> SplitAtLineFeeds(std::wstring_view text) {
  std::vector<std::wstring_view> pieces;
  for (;;) {
    const std::size_t feed = text.find(L'\n');
    pieces.push_back(text.substr(0, feed));
    if (feed == std::wstring_view::npos) return pieces;
    text.remove_prefix(feed + 1);
  }
}

std::vector<std::wstring> ReadPlainLines(std::wstring_view text, Headings headings) {
  std::vector<std::wstring> lines;
  for (const std::wstring_view piece : SplitAtLineFeeds(text)) {
    if (lines.size() >= kMaxPlainLines) break;
    const std::wstring_view trimmed = TrimLyricText(piece);
    if (trimmed.empty()) continue;
    if (headings == Headings::Drop && trimmed.front() == L'[') continue;
    lines.push_back(CutToLength(trimmed, kMaxShortLineLength));
  }
  return lines;
}

}  // namespace notch::lyrics
