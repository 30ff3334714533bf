#pragma once
// LRC: "[mm:ss.xx]text" lines with an optional "[offset:±ms]" line.
#include <optional>
#include <string_view>

#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {

// Reads the synced text; when none of its timed lines has text, the plain
// text instead. Nothing when neither gives a line.
std::optional<Sheet> ReadLrc(std::wstring_view synced, std::wstring_view plain);

}  // namespace notch::lyrics
