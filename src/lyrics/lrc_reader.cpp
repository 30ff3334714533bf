#include "lyrics/lrc_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "lyrics/decimal_digits.h"
#include "lyrics/line_text.h"

namespace notch::lyrics {
namespace {

constexpr std::wstring_view kOffsetOpening = L"[offset:";

// The milliseconds between "[offset:" and "]": an optional sign and 1 to 8
// digits. A positive offset makes the lyrics earlier.
std::optional<std::int64_t> ReadOffset(std::wstring_view inside) {
  bool negative = false;
  if (!inside.empty() && (inside.front() == L'+' || inside.front() == L'-')) {
    negative = inside.front() == L'-';
    inside.remove_prefix(1);
  }
  const std::optional<std::int64_t> value = ReadDigits(inside, 8);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

// "m:ss", "m:ss.f" or "m:ss:f" between the brackets of a time tag.
std::optional<std::int32_t> ReadTimeTag(std::wstring_view tag) {
  const std::size_t colon = tag.find(L':');
  if (colon == std::wstring_view::npos) return std::nullopt;
  const std::optional<std::int64_t> minutes = ReadDigits(tag.substr(0, colon), 3);
  const std::wstring_view rest = tag.substr(colon + 1);
  const std::size_t separator = rest.find_first_of(L".:");
  const std::optional<std::int64_t> seconds = ReadDigits(rest.substr(0, separator), 8);
  if (!minutes || !seconds || *seconds >= 60) return std::nullopt;
  std::int32_t fraction = 0;
  if (separator != std::wstring_view::npos) {
    const std::wstring_view digits = rest.substr(separator + 1, 3);
    if (!AllDigits(digits)) return std::nullopt;
    fraction = FractionMs(digits);
  }
  return static_cast<std::int32_t>(*minutes * 60000 + *seconds * 1000 + fraction);
}

struct TimedPiece {
  std::array<std::int32_t, kMaxLrcTagsPerLine> times{};
  std::size_t tag_count = 0;
  std::wstring_view text;
};

// Leading time tags; the first one that does not read stays in the text.
TimedPiece ReadTimeTags(std::wstring_view piece) {
  TimedPiece result;
  while (result.tag_count < kMaxLrcTagsPerLine && !piece.empty() && piece.front() == L'[') {
    const std::size_t close = piece.find(L']');
    if (close == std::wstring_view::npos) break;
    const std::optional<std::int32_t> time = ReadTimeTag(piece.substr(1, close - 1));
    if (!time) break;
    result.times[result.tag_count++] = *time;
    piece.remove_prefix(close + 1);
  }
  result.text = piece;
  return result;
}

bool IsOffsetPiece(std::wstring_view piece) {
  return piece.size() > kOffsetOpening.size() && piece.substr(0, kOffsetOpening.size()) == kOffsetOpening &&
         piece.back() == L']';
}

}  // namespace

std::optional<Sheet> ReadLrc(std::wstring_view synced, std::wstring_view plain) {
  Sheet sheet;
  std::int64_t offset = 0;
  for (const std::wstring_view raw_piece : SplitAtLineFeeds(synced)) {
    const std::wstring_view piece = TrimLyricText(raw_piece);
    if (IsOffsetPiece(piece)) {
      const std::wstring_view inside = piece.substr(kOffsetOpening.size(), piece.size() - kOffsetOpening.size() - 1);
      if (const std::optional<std::int64_t> value = ReadOffset(inside)) offset = *value;
      continue;
    }
    const TimedPiece timed = ReadTimeTags(piece);
    if (timed.tag_count == 0) continue;
    const std::wstring text = CutToLength(TrimLyricText(timed.text), kMaxShortLineLength);
    for (std::size_t i = 0; i < timed.tag_count && sheet.lines.size() < kMaxTimedLines; ++i) {
      sheet.lines.push_back(Line{timed.times[i], text, 0, {}});
    }
  }

  const bool any_text =
      std::any_of(sheet.lines.begin(), sheet.lines.end(), [](const Line& line) { return !line.text.empty(); });
  if (any_text) {
    for (Line& line : sheet.lines) {
      line.start = static_cast<std::int32_t>(std::max<std::int64_t>(0, line.start - offset));
    }
    SortLinesByStart(sheet.lines);
    return sheet;
  }
  sheet.lines.clear();
  sheet.plain = ReadPlainLines(plain, Headings::Keep);
  if (sheet.plain.empty()) return std::nullopt;
  return sheet;
}

}  // namespace notch::lyrics
