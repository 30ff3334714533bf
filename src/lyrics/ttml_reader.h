#pragma once
// TTML as the lyrics services write it: <p begin end> per line, <span begin
// end> per word or syllable, background vocals and translations in spans
// with a metadata role.
#include <optional>
#include <string_view>

#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {

// All or nothing: any XML error, a line over the built-line cap or more lines
// than the timed-line cap rejects the document. `utf8` is the document as the
// services send it; invalid UTF-8 or a NUL character gives nothing.
std::optional<Sheet> ReadTtml(std::string_view utf8, std::optional<Credit> credit);

}  // namespace notch::lyrics
