#pragma once
// The JSON answers that only wrap another format: LRCLIB (LRC), Better Lyrics
// (TTML) and the Genius proxy (plain text). Each takes the response body as
// received (UTF-8) and gives a sheet or nothing.
#include <optional>
#include <string_view>

#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {

// "syncedLyrics" and "plainLyrics" through the LRC reader, unless
// "instrumental" is true. No credit.
std::optional<Sheet> ReadLrclib(std::string_view body);

// "ttml" through the TTML reader, credited to Better Lyrics.
std::optional<Sheet> ReadBetterLyrics(std::string_view body);

// "lyrics" as plain lines without the section headings, credited to Genius.
std::optional<Sheet> ReadGenius(std::string_view body);

}  // namespace notch::lyrics
