#pragma once
// Unison answers: lyrics submitted by a curator, as TTML, LRC or plain text,
// credited to the curator.
#include <optional>
#include <string_view>

#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {

// `body` is the answer as received (UTF-8). Nothing unless the answer is a
// success with a well-formed video id, curator key and name.
std::optional<Sheet> ReadUnison(std::string_view body);

}  // namespace notch::lyrics
