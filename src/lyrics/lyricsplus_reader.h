#pragma once
// LyricsPlus answers: a list of lines, each with a time and either its text or
// a list of timed syllables that carry their own spaces.
#include <optional>
#include <string_view>

#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {

// `body` is the answer as received (UTF-8). Credited to LyricsPlus.
std::optional<Sheet> ReadLyricsPlus(std::string_view body);

}  // namespace notch::lyrics
