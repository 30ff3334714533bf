#pragma once
// The one model every lyrics format is read into. A sheet is built by one
// reader, then never changed, and shared by pointer between the worker that
// found it, its cache and the media card.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace notch::lyrics {

// Every count and length a reader keeps is capped, so that a hostile answer
// cannot make a sheet large. Lengths are in wchar_t units (UTF-16 units on
// Windows).
inline constexpr std::size_t kMaxTimedLines = 1000;
inline constexpr std::size_t kMaxPlainLines = 1000;
inline constexpr std::size_t kMaxShortLineLength = 350;   // LRC, plain text, a LyricsPlus "text"
inline constexpr std::size_t kMaxBuiltLineLength = 1024;  // TTML lines and lines built from syllables
inline constexpr std::size_t kMaxLrcTagsPerLine = 16;
inline constexpr std::size_t kMaxLyricsPlusElements = 1000;
inline constexpr std::size_t kMaxLyricsPlusSyllables = 350;

// No time in a lyrics document lies beyond a day.
inline constexpr std::int32_t kMaxLyricTimeMs = 86'400'000;

// A syllable or word; it points into its line's text rather than owning any.
struct Word {
  std::int32_t start = 0;  // ms
  std::int32_t end = 0;    // ms
  std::int32_t offset = 0;
  std::int32_t length = 0;

  friend bool operator==(const Word&, const Word&) = default;
};

struct Line {
  std::int32_t start = 0;  // ms from the start of the track
  std::wstring text;       // may be empty in LRC: an instrumental gap
  std::int32_t end = 0;    // 0 when the source gives no end
  std::vector<Word> words;
};

struct Credit {
  std::wstring source_name;
  std::wstring source_link;
  std::wstring contributor_name;
  std::wstring contributor_link;

  friend bool operator==(const Credit&, const Credit&) = default;
};

struct Sheet {
  std::vector<Line> lines;          // sorted by start, equal starts in input order
  std::vector<std::wstring> plain;  // only used when there are no timed lines
  std::optional<Credit> credit;
};

using SharedSheet = std::shared_ptr<const Sheet>;

// The rank by which results are compared: a higher kind replaces a lower one.
enum class SheetKind { None = 0, Plain = 1, LineSynced = 2, WordSynced = 3 };

// An absent sheet (nullptr) is None.
SheetKind KindOf(const Sheet* sheet);

// Stable, so that lines with equal starts keep the order they were read in.
void SortLinesByStart(std::vector<Line>& lines);

}  // namespace notch::lyrics
