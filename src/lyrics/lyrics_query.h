#pragma once
// What the lyrics workers search for: the playing track as the media session
// names it.
#include <cstdint>
#include <string>

namespace notch {

struct LyricsQuery {
  std::wstring title;
  std::wstring artist;
  std::wstring album;
  std::int32_t duration_s = 0;  // whole seconds; 0 when not known

  // Case-sensitive: a differently written title may have other lyrics.
  friend bool operator==(const LyricsQuery&, const LyricsQuery&) = default;
};

}  // namespace notch
