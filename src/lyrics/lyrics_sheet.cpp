#include "lyrics/lyrics_sheet.h"

#include <algorithm>

namespace notch::lyrics {

SheetKind KindOf(const Sheet* sheet) {
  if (sheet == nullptr) return SheetKind::None;
  if (!sheet->lines.empty()) {
    const bool any_words =
        std::any_of(sheet->lines.begin(), sheet->lines.end(), [](const Line& line) { return !line.words.empty(); });
    return any_words ? SheetKind::WordSynced : SheetKind::LineSynced;
  }
  return sheet->plain.empty() ? SheetKind::None : SheetKind::Plain;
}

void SortLinesByStart(std::vector<Line>& lines) {
  const auto earlier = [](const Line& a, const Line& b) { return a.start < b.start; };
  // Documents almost always list their lines in order; a stable sort would
  // still take a buffer and move every line.
  if (std::is_sorted(lines.begin(), lines.end(), earlier)) return;
  std::stable_sort(lines.begin(), lines.end(), earlier);
}

}  // namespace notch::lyrics
