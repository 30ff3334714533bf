#pragma once
// What every sheet a lyrics reader returns must satisfy, whatever the input.
// A broken promise aborts, which libFuzzer reports as a crash.
#include <cstdlib>
#include <optional>

#include "lyrics/lyrics_sheet.h"

namespace notch::fuzzing {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline void CheckSheet(const std::optional<lyrics::Sheet>& sheet) {
  if (!sheet) return;
  using namespace lyrics;
  Require(KindOf(&*sheet) != SheetKind::None);
  Require(sheet->lines.size() <= kMaxTimedLines && sheet->plain.size() <= kMaxPlainLines);
  Require(sheet->lines.empty() || sheet->plain.empty());
  for (const std::wstring& text : sheet->plain) Require(!text.empty() && text.size() <= kMaxShortLineLength);
  for (std::size_t i = 0; i < sheet->lines.size(); ++i) {
    const Line& line = sheet->lines[i];
    Require(line.start >= 0 && line.text.size() <= kMaxBuiltLineLength);
    if (i > 0) Require(sheet->lines[i - 1].start <= line.start);
    for (const Word& word : line.words) {
      Require(word.start < word.end && word.offset >= 0 && word.length > 0);
      Require(static_cast<std::size_t>(word.offset) + static_cast<std::size_t>(word.length) <= line.text.size());
    }
  }
}

}  // namespace notch::fuzzing
